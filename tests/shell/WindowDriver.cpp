// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "WindowDriver.h"

#include "Maincode.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

// Watches every Show event in the program: a message box is recorded as it
// opens and clicked away from its own event loop at once, so a test with
// thousands of boxes spends no time waiting for a timer.
class BoxCloser : public QObject {
public:
    explicit BoxCloser(ErrorBoxes& seen) : seen_(seen) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(object) : nullptr;
        if (!box)
            return false;
        ++seen_.count;
        seen_.title = box->windowTitle();
        seen_.text = box->text();
        seen_.critical = box->icon() == QMessageBox::Critical;
        seen_.plainText = box->textFormat() == Qt::PlainText;
        // The box sizes itself while it is being shown and only starts its
        // event loop afterwards: it is measured and closed from inside that loop.
        QMetaObject::invokeMethod(box, [this, box] {
            // The box's own area: on a screen up to 1024 pixels wide Qt lets a
            // long message take the whole width, and the window frame around it
            // is the window manager's.
            const QSize screen = box->screen()->availableGeometry().size();
            seen_.fitsScreen = box->width() <= screen.width() && box->height() <= screen.height();
            box->button(QMessageBox::Ok)->click();
        }, Qt::QueuedConnection);
        return false;
    }

private:
    ErrorBoxes& seen_;
};

// Records the text the table asks it to draw for one cell.
class CellTextRecorder : public QProxyStyle {
public:
    explicit CellTextRecorder(const QModelIndex& cell) : cell_(cell) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
        if (element == CE_ItemViewItem && item && item->index == cell_)
            text = item->text;
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QString text;

private:
    QPersistentModelIndex cell_;
};

} // namespace

ErrorBoxes closingErrorBoxes(const std::function<void()>& action)
{
    ErrorBoxes seen;
    BoxCloser closer(seen);
    qApp->installEventFilter(&closer);
    action();
    qApp->removeEventFilter(&closer);
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
    const QRect cell = grid->visualRect(grid->cellIndex(column, row));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList rootCellTexts(const TMainForm& form)
{
    QStringList texts;
    for (int row = 1; row < RootTable::kRowCount; ++row)
        for (int column = 0; column < RootTable::kColumnCount; ++column)
            texts << form.StringGrid1->cell(column, row);
    return texts;
}

void pasteIntoCellEditor(TMainForm& form, const QByteArray& bytes)
{
    auto* offered = new QMimeData;
    offered->setData(QStringLiteral("text/plain"), bytes);
    QGuiApplication::clipboard()->setMimeData(offered);
    TStringGrid* grid = form.StringGrid1;
    if (!grid->isEditing())
        grid->edit(grid->currentIndex());
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        editor->paste();
}

QString shownCellText(TMainForm& form, int column, int row)
{
    TStringGrid* grid = form.StringGrid1;
    CellTextRecorder recorder(grid->cellIndex(column, row));
    QStyle* const style = grid->style();
    grid->setStyle(&recorder);
    // The table alone: an open editor over the cell is a widget of its own.
    QImage picture(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    grid->viewport()->render(&picture, {}, {}, QWidget::DrawWindowBackground);
    grid->setStyle(style);
    return recorder.text;
}
