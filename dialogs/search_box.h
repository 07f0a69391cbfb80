// The search's context box: after a match is shown, the title and subtitle
// of its lesson stand in a small framed box at the bottom of the pane, so the
// reader sees which feast's lesson the match belongs to.
#pragma once

#include "view/text_view.h"

// A lesson's title and subtitle: the body of a first paragraph of the title
// style, and the body of the heading that follows it or, without a title,
// of a heading that opens the lesson; null for either that is not there.
struct LessonTitles {
    const char* title;
    const char* subtitle;
};
LessonTitles FindLessonTitles(const char* text);

// Draws the box over the painted view: the title (a first paragraph of the
// title style) and the subtitle (the heading that follows it, or a heading
// that opens the lesson), red on yellow, each cut to the frame's width,
// inside two red rings, one white and two blue, centred across the bottom of
// the frame. Nothing when the lesson has neither, or the view no text. In
// the system's colours the text is the highlight's, and the rings ink and
// page.
void DrawSearchContextBox(TextView* view);
