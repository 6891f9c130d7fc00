// Text queries of screen readers answered over a plain text, in characters
// (code points, what AT-SPI counts, not UTF-16 units), as the presenters
// cut a text into units (velkorn/textunits.h). Nothing there is the span
// (-1, -1), as Qt writes it. Qt 6.4's own answers for a line edit are
// wrong or never come (the word at the end of the text loops for ever;
// attribute runs are empty, so a screen reader reads one character on
// focus): the labels' and the boxes' interfaces both answer from here.
#pragma once

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QString>

#include <string>

namespace velkorn::ui {

// A text read in characters: the whole text one run of attributes, in the
// language given; no selection and the caret at the start unless a derived
// class has them.
class CharacterText : public QAccessibleTextInterface {
  public:
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}

    QString text(int start, int end) const override;
    int characterCount() const override { return static_cast<int>(characters().size()); }
    QString attributes(int, int* start, int* end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override;

  protected:
    virtual std::u32string characters() const = 0;
    virtual std::string language() const { return {}; }
};

} // namespace velkorn::ui
