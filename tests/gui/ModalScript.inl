#include <QWidget>
#include <gtest/gtest.h>

template <class W>
W* ControlOf(QWidget& window, int id)
{
    W* control = window.findChild<W*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "no control " << id << " in " << window.windowTitle().toStdString();
    return control;
}
