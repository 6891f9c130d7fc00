// The page's DOM as the cards' view: the few calls the web front end makes
// of it, implemented in dom.js (an emscripten JavaScript library). Each
// card is a positioned element of the page, its controls elements in it;
// a card and a control are named by the card's number and the control's
// name. Nothing here decides anything.
#pragma once

extern "C" {
void velkornMakeCard(int card, const char* title, int dialog);
void velkornDescribeCard(int card, const char* description);
void velkornMakeControl(int card, const char* name, int kind);
void velkornPlace(int card, const char* name, int x, int y, int width, int height, int rank);
void velkornSetBackground(int card, int width, int height, const char* first, const char* second);
void velkornSetPicture(int card, const char* name, const char* first, const char* second);
void velkornSetCaption(int card, const char* name, const char* text, double pointSize);
void velkornSetCaptionStyle(int card, const char* name, const char* colour, const char* fill,
                            int centred);
double velkornTextWidth(const char* text, double pointSize, const char* families);
void velkornSetVisible(int card, const char* name, int visible);
void velkornSetAccessible(int card, const char* name, const char* role, const char* label,
                          const char* description, const char* toolTip, const char* shortcut,
                          const char* language, int checked);
void velkornSetBoxText(int card, const char* name, const char* text, int caret);
int velkornBoxHasFocus(int card, const char* name);
void velkornFocus(int card, const char* name);
void velkornAnnounce(int card, const char* text);
void velkornShowCues(int card, int shown);
void velkornAddCue(int card, const char* text, int x, int y, int width, int height);
void velkornClearCues(int card);
// A card shown comes to the front and is activated (velkorn_activation);
// hiding the active card activates the one in front of the rest.
void velkornShowCard(int card, int shown);
int velkornCardLeft(int card);
int velkornCardTop(int card);
void velkornMoveCard(int card, int left, int top);
int velkornPageWidth();
// The device pixel ratio, and word of its changes (zoom, another screen)
// through velkorn_scale_changed.
double velkornPixelRatio();
int velkornPageHeight();
// The text and window colours (0xRRGGBB) of the browser's forced colours,
// and 1, or 0 where colours are not forced; word of changes through
// velkorn_contrast_changed.
int velkornForcedColours(int* colours);
void velkornPostTask(int card);
void velkornShowError(int card, const char* title, const char* message);
void velkornEnd();
// Calls velkorn_tick every so many milliseconds.
void velkornStartClock(int interval);
// The local wall clock, and the user's locale's parts of a time and a date
// as "type\toption\tvalue" lines.
double velkornNow(int* fields);
char* velkornClockParts(int date);
}
