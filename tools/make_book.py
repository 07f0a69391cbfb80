#!/usr/bin/env python3
"""Generates the book's sources, resources/book/NN-month.txt, from the Book of
Psalms in the King James Version (public domain).

    tools/make_book.py [OUT_DIR]        (default: resources/book)

It needs the `bible` command (Debian packages bible-kjv and bible-kjv-text)
and is run by hand when the book's arrangement changes; its output is
committed, so building Varidel needs neither this script nor the packages.

The arrangement: the 150 psalms are read in order through the Hebrew year,
from 1 Tishrei to 29 Elul, over the entries of lesson months 1-13. 30 Cheshvan
and 30 Kislev are not in every year, so they repeat a short psalm and carry
notes; every other entry (Adar I and Adar II included: a common year's Adar
reads both) takes the next stretch of verses. The stretches are cut near
equal sizes, moved to the start of a psalm when one is close. Each entry has
a date heading, the day's schedule (the traditional monthly portion of
Psalms and the chapter of Proverbs for the day of the month, and this book's
reading), a short rule and the verses, each labelled with its number.
Festival days get a title and notes; the notes use the rest of the text
format (indented and second-level list items, numbered items, a
right-aligned line, rules of other widths).
"""

import os
import re
import subprocess
import sys

MONTHS = {1: "Nisan", 2: "Iyyar", 3: "Sivan", 4: "Tamuz", 5: "Av", 6: "Elul", 7: "Tishrei",
          8: "Cheshvan", 9: "Kislev", 10: "Tevet", 11: "Shevat", 12: "Adar I", 13: "Adar II"}
DAYS = {m: (29 if m in (2, 4, 6, 10, 13) else 30) for m in MONTHS}
YEAR_ORDER = [7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6]
NOT_EVERY_YEAR = {(8, 30): 23, (9, 30): 30}   # entry -> the psalm it repeats
VARIABLE_MONTHS = (8, 9)                        # 29 or 30 days
BULLET, SUB_BULLET = "\u00b7", "\u00bb"         # Latin-1 0xB7 and 0xBB

# The traditional division of the Psalms by the day of the month.
MONTHLY_PSALMS = ["1-9", "10-17", "18-22", "23-28", "29-34", "35-38", "39-43", "44-48", "49-54",
                  "55-59", "60-65", "66-68", "69-71", "72-76", "77-78", "79-82", "83-87", "88-89",
                  "90-96", "97-103", "104-105", "106-107", "108-112", "113-118", "119:1-96",
                  "119:97-176", "120-134", "135-139", "140-144", "145-150"]

# The Hebrew letters over the stanzas of Psalm 119, eight verses each.
STANZAS = ["ALEPH", "BETH", "GIMEL", "DALETH", "HE", "VAU", "ZAIN", "CHETH", "TETH", "JOD", "CAPH",
           "LAMED", "MEM", "NUN", "SAMECH", "AIN", "PE", "TZADDI", "KOPH", "RESH", "SCHIN", "TAU"]

TITLES = {
    (7, 1): "Rosh Hashanah", (7, 2): "Rosh Hashanah, Second Day", (7, 3): "Fast of Gedaliah",
    (7, 10): "Yom Kippur", (7, 15): "Sukkot", (7, 21): "Hoshana Rabbah",
    (7, 22): "Shemini Atzeret", (7, 23): "Simchat Torah",
    (9, 25): "Chanukah", (10, 10): "Fast of the Tenth of Tevet", (11, 15): "Fifteenth of Shevat",
    (12, 14): "Purim Katan", (13, 13): "Fast of Esther", (13, 14): "Purim",
    (13, 15): "Shushan Purim", (1, 14): "Eve of Passover", (1, 15): "Passover",
    (1, 21): "Seventh Day of Passover", (1, 22): "Last Day of Passover",
    (2, 14): "Second Passover", (2, 18): "Lag BaOmer", (3, 6): "Shavuot",
    (3, 7): "Shavuot, Second Day", (4, 17): "Fast of the Seventeenth of Tamuz",
    (5, 9): "Ninth of Av", (5, 15): "Fifteenth of Av", (6, 29): "Eve of Rosh Hashanah",
}
for d in range(16, 21):
    TITLES[(7, d)] = "Sukkot, Intermediate Days"
for d in range(16, 21):
    TITLES[(1, d)] = "Passover, Intermediate Days"
for n, d in enumerate(range(26, 31), start=2):
    TITLES[(9, d)] = "Chanukah, Day %d" % n
TITLES[(10, 1)] = "Chanukah"
TITLES[(10, 2)] = "Chanukah"

# Notes: a list of (kind, text) paragraphs after a "Notes" heading.
NOTES = {
    (7, 1): [
        ("para", "This book reads the whole Book of Psalms, in the King James Version, once "
                 "through the Hebrew year: from Rosh Hashanah to the last day of Elul."),
        ("81/80", "1. The first lines of each day give the traditional portion of Psalms for "
                  "that day of the month, and the chapter of Proverbs for it."),
        ("81/80", "2. The next line names this book's own reading for the day."),
        ("81/80", "3. Each verse stands with its number in the margin."),
        ("para+12", "Months of 29 days read the rest of the monthly portion on their last day."),
    ],
    (7, 10): [
        ("item", BULLET + " A day of fasting and prayer; the reading continues in order."),
        ("item", BULLET + " The traditional portion of the month stands above the reading as "
                          "on every day."),
    ],
    (7, 15): [
        ("item", BULLET + " Seven days of Sukkot, with the intermediate days between the first "
                          "and Hoshana Rabbah."),
        ("item+24", SUB_BULLET + " Outside the Land of Israel the second day is also a festival."),
    ],
    (9, 25): [
        ("item", BULLET + " Eight days of Chanukah: 25 Kislev to 2 Tevet, or to 3 Tevet when "
                          "Kislev has 29 days."),
        ("item", "  Psalm 30, the song at the dedication of the house, is read on each day "
                 "of the festival."),
    ],
    (12, 1): [
        ("para", "In a leap year Adar I and Adar II each have their own days. In a common year "
                 "the single Adar reads both: the entry of Adar I and then that of Adar II for "
                 "the same day, and on its 29th day the entries of 29 and 30 Adar I and 29 "
                 "Adar II."),
        ("item+12", BULLET + " So the whole Book of Psalms is read in every year."),
    ],
    (12, 14): [
        ("para", "In a leap year this is Purim Katan; in a common year Purim falls today, "
                 "with the reading of 14 Adar II."),
    ],
    (13, 14): [
        ("item", BULLET + " The Scroll of Esther is read in the evening and in the morning."),
        ("item+24", SUB_BULLET + " Gifts to the poor and portions to friends."),
        ("item", BULLET + " Walled cities keep the feast a day later, on Shushan Purim."),
    ],
    (1, 1): [
        ("para", "The first of the months of the year: the reading of the Psalms, begun at "
                 "Rosh Hashanah, has passed its middle."),
    ],
    (1, 15): [
        ("item", BULLET + " The Hallel, Psalms 113 to 118, is said on the festival."),
        ("item+12", BULLET + " The counting of the Omer begins tomorrow night."),
    ],
    (3, 6): [
        ("para+24", "Shavuot closes the counting of the fifty days from Passover."),
    ],
    (5, 9): [
        ("para", "A day of mourning and fasting for the destruction of the Temple."),
    ],
    (6, 29): [
        ("para", "With today's reading the Book of Psalms is complete. The reading begins "
                 "again with Psalm 1 on Rosh Hashanah."),
    ],
    (8, 30): [
        ("para", "30 Cheshvan is in the calendar only in years when Cheshvan has 30 days, so "
                 "the reading of the Psalms does not go on today: it repeats Psalm 23, and the "
                 "course continues tomorrow."),
    ],
    (9, 30): [
        ("para", "30 Kislev is in the calendar only in years when Kislev has 30 days, so the "
                 "reading of the Psalms does not go on today: it repeats Psalm 30, read on each "
                 "day of Chanukah, and the course continues tomorrow."),
    ],
}


def load_psalms():
    """Returns [(psalm, verse, text)] for the whole Book of Psalms."""
    verses = []
    for psalm in range(1, 151):
        out = subprocess.run(["bible", "-f", "ps%d:1-999" % psalm], check=True,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            m = re.match(r"Psa(\d+):(\d+) (.*)$", line)
            if m:
                assert int(m.group(1)) == psalm
                verses.append((psalm, int(m.group(2)), m.group(3).strip()))
    for _, _, text in verses:
        text.encode("latin-1")
        assert not re.search("[\x00-\x1f\x7f-\x9f\\\\]", text), text
    return verses


def reading_entries():
    """The entries that carry the course of readings, in the year's order."""
    return [(m, d) for m in YEAR_ORDER for d in range(1, DAYS[m] + 1) if (m, d) not in NOT_EVERY_YEAR]


def cut_readings(verses, count):
    """Splits the verses into `count` stretches of near equal size; a cut moves
    to the start of a psalm within a third of a stretch of its ideal place."""
    sizes = [len(t) + 8 for _, _, t in verses]
    total = sum(sizes)
    before = [0]
    for s in sizes:
        before.append(before[-1] + s)
    cuts = [0]
    for k in range(1, count):
        ideal = total * k / count
        best = min(range(len(verses)), key=lambda i: abs(before[i] - ideal))
        window = total / count / 3
        starts = [i for i in range(len(verses))
                  if verses[i][1] == 1 and abs(before[i] - ideal) <= window]
        if starts:
            best = min(starts, key=lambda i: abs(before[i] - ideal))
        best = max(best, cuts[-1] + 1)
        cuts.append(best)
    cuts.append(len(verses))
    assert all(a < b for a, b in zip(cuts, cuts[1:]))
    return [verses[a:b] for a, b in zip(cuts, cuts[1:])]


def span(stretch, max_verse):
    first, last = stretch[0], stretch[-1]
    if first[0] == last[0]:
        if first[1] == 1 and last[1] == max_verse[last[0]]:
            return "Psalm %d" % first[0]
        return "Psalm %d:%d-%d" % (first[0], first[1], last[1])
    a = "%d" % first[0] if first[1] == 1 else "%d:%d" % first[:2]
    b = "%d" % last[0] if last[1] == max_verse[last[0]] else "%d:%d" % last[:2]
    return "Psalms %s - %s" % (a, b)


def schedule(month, day):
    lines = []
    last = DAYS[month]
    if day == 29 and month in VARIABLE_MONTHS:
        lines.append("Psalms of the month: 140-144 (140-150 when the month has 29 days)")
        lines.append("Proverbs: chapter 29 (29-31 when the month has 29 days)")
    elif day == 29 and last == 29:
        lines.append("Psalms of the month: 140-150")
        lines.append("Proverbs: chapters 29-31")
    elif day == 30:
        lines.append("Psalms of the month: 145-150")
        lines.append("Proverbs: chapters 30-31")
    else:
        lines.append("Psalms of the month: " + MONTHLY_PSALMS[day - 1])
        lines.append("Proverbs: chapter %d" % day)
    return lines


def verse_lines(stretch):
    out = []
    for i, (psalm, verse, text) in enumerate(stretch):
        if verse == 1 or i == 0:
            out.append(("heading", "Psalm %d" % psalm + ("" if verse == 1 else " (continued)")))
        if psalm == 119 and verse % 8 == 1:
            out.append(("C9/00", STANZAS[verse // 8]))
        ends = i + 1 == len(stretch) or stretch[i + 1][0] != psalm
        out.append(("last-verse" if ends else "verse", "%d %s" % (verse, text)))
    return out


def entry(month, day, stretch, max_verse):
    out = []
    if (month, day) in TITLES:
        out.append(("title", TITLES[(month, day)]))
    out.append(("date", "%d %s" % (day, MONTHS[month])))
    out += [("line", s) for s in schedule(month, day)]
    if (month, day) in NOT_EVERY_YEAR:
        out.append(("line", "Reading: Psalm %d, repeated" % NOT_EVERY_YEAR[(month, day)]))
    else:
        out.append(("line", "Reading: " + span(stretch, max_verse)))
    if month == 12:
        out.append(("line", "In a common year: read on %d Adar, before the entry of Adar II"
                    % min(day, 29)))
    out.append(("rule", ""))
    out += verse_lines(stretch)
    if (month, day) in NOTES:
        out.append(("rule74", ""))
        out.append(("heading", "Notes"))
        out += NOTES[(month, day)]
    if (month, day) == (6, 29):
        out.append(("C7/30", ""))
        out.append(("B2/00", "The Book of Psalms, King James Version (public domain)"))
    return out


def paragraph_line(kind, text):
    return kind + (" " + text if text else "")


def entry_size(paragraphs):
    return sum(2 + len(t.encode("latin-1")) + 1 for _, t in paragraphs) + 3


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "book")
    verses = load_psalms()
    max_verse = {}
    for p, v, _ in verses:
        max_verse[p] = max(v, max_verse.get(p, 0))
    order = reading_entries()
    stretches = dict(zip(order, cut_readings(verses, len(order))))
    for key, psalm in NOT_EVERY_YEAR.items():
        stretches[key] = [v for v in verses if v[0] == psalm]
    os.makedirs(out_dir, exist_ok=True)
    sizes = []
    for month in range(1, 14):
        name = "%02d-%s.txt" % (month, MONTHS[month].lower().replace(" ", "-"))
        lines = ["# Lesson month %d, %s: generated by tools/make_book.py from the Book of Psalms"
                 % (month, MONTHS[month]),
                 "# in the King James Version (public domain). See README.md for the format.",
                 "@month %d %s" % (month, MONTHS[month])]
        for day in range(1, DAYS[month] + 1):
            paragraphs = entry(month, day, stretches[(month, day)], max_verse)
            sizes.append(entry_size(paragraphs))
            lines.append("")
            lines.append("@day %d" % day)
            lines += [paragraph_line(k, t) for k, t in paragraphs]
        with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")
    print("%d entries, %d to %d bytes, %d in all" % (len(sizes), min(sizes), max(sizes), sum(sizes)))
    assert min(sizes) >= 400 and max(sizes) <= 3000, "entry sizes out of balance"


if __name__ == "__main__":
    main()
