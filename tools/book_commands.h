// The book commands of varidel-book: build, verify, dump, text, show, stats.
#pragma once

int RunBuild(int argc, char** argv);
int RunVerify(int argc, char** argv);
int RunDump(int argc, char** argv);
int RunText(int argc, char** argv);
int RunShow(int argc, char** argv);
int RunStats(int argc, char** argv);
