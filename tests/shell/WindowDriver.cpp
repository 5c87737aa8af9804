#include "WindowDriver.h"

#include "Maincode.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

ErrorBoxes closingErrorBoxes(const std::function<void()>& action)
{
    ErrorBoxes seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            ++seen.count;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.critical = box->icon() == QMessageBox::Critical;
            seen.plainText = box->textFormat() == Qt::PlainText;
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(5);
    action();
    return seen;
}

std::unique_ptr<TMainForm> openMainForm(char separator)
{
    QLocale::setDefault(separator == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                         : QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication::setApplicationName(QStringLiteral("roots"));
    auto form = std::make_unique<TMainForm>();
    MainForm = form.get();
    form->show();
    form->activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(form.get());
    form->StringGrid1->setFocus();
    return form;
}

void typeKey(QWidget* window, int key, const QString& text, int modifiers)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = window;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));
}

void typeText(QWidget* window, const QString& text)
{
    for (QChar c : text) {
        int key = Qt::Key_unknown;
        if (c == QChar(8))
            key = Qt::Key_Backspace;
        else if (c.unicode() < 128)
            key = c.toUpper().unicode();
        typeKey(window, key, QString(c));
    }
}

void clickCell(TMainForm& form, int column, int row)
{
    TStringGrid* grid = form.StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}
