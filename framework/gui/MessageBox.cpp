#include "framework/gui/MessageBox.h"

#include <QMessageBox>
#include <deque>
#include <mutex>

#include "framework/gui/QtText.h"
#include "framework/gui/WinApp.h"
#include "framework/gui/WinTypes.h"
#include "framework/gui/Wnd.h"

namespace {

struct Answering {
    std::mutex mutex;
    bool on = false;
    std::deque<int> answers;
    std::vector<MessageBoxTesting::Shown> shown;
};

Answering& TestAnswers()
{
    static Answering answering;
    return answering;
}

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & 0xF0) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int ShowMessageBox(QWidget* owner, const std::string& text, const char* caption, unsigned type)
{
    if (!owner)
        if (CWnd* main = AfxGetMainWnd())
            owner = main->GetSafeHwnd();
    const std::string title = caption ? caption : AfxGetAppName();
    const bool question = (type & 0x0F) == MB_YESNO;

    {
        Answering& testing = TestAnswers();
        std::lock_guard lock(testing.mutex);
        if (testing.on) {
            testing.shown.push_back({text, title, type, owner ? ToStdString(owner->windowTitle()) : std::string()});
            if (testing.answers.empty())
                return question ? IDNO : IDOK;
            const int answer = testing.answers.front();
            testing.answers.pop_front();
            return answer;
        }
    }

    QMessageBox box(IconOf(type), ToQString(title), ToQString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    return box.exec() == QMessageBox::Yes ? IDYES : question ? IDNO : IDOK;
}

int AfxMessageBox(const std::string& text, unsigned type)
{
    return ShowMessageBox(nullptr, text, nullptr, type);
}

namespace MessageBoxTesting {

void StartAnswering()
{
    Answering& testing = TestAnswers();
    std::lock_guard lock(testing.mutex);
    testing.on = true;
    testing.answers.clear();
    testing.shown.clear();
}

void Answer(int result)
{
    Answering& testing = TestAnswers();
    std::lock_guard lock(testing.mutex);
    testing.answers.push_back(result);
}

std::vector<Shown> TakeShown()
{
    Answering& testing = TestAnswers();
    std::lock_guard lock(testing.mutex);
    return std::exchange(testing.shown, {});
}

void StopAnswering()
{
    Answering& testing = TestAnswers();
    std::lock_guard lock(testing.mutex);
    testing.on = false;
}

} // namespace MessageBoxTesting
