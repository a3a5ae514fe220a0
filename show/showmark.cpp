// SPDX-License-Identifier: GPL-3.0-or-later
// Tells the editor that a file is the show's program: linked into the show
// alone (and into the tests that stand in for it).
extern "C" [[gnu::used]] const char velmoraShowMark[] = "VELMORA-SHOW-PROGRAM-1";
