#pragma once

#include <string>
#include <vector>

class QWidget;

// A modal message box owned by owner (or by the main window when null),
// with the buttons and icon of an MB_ type; returns the button pressed
// (IDOK, IDYES, IDNO ...). A null caption shows the application name.
int ShowMessageBox(QWidget* owner, const std::string& text, const char* caption, unsigned type);

// The same, owned by the program's main window.
int AfxMessageBox(const std::string& text, unsigned type = 0);

// Lets tests answer message boxes in advance. While answering, a box is
// not shown: it is recorded and takes the next answer at once, or IDOK
// (IDNO for a question) when no answer is left.
namespace MessageBoxTesting {

struct Shown {
    std::string text;
    std::string caption;
    unsigned type;
    std::string owner; // the owner window's title, empty for none
};

void StartAnswering();
void Answer(int result);
std::vector<Shown> TakeShown();
void StopAnswering();

} // namespace MessageBoxTesting
