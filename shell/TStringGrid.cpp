#include "TStringGrid.h"

#include "CellEditorDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

bool typesCharacter(const QKeyEvent& event)
{
    if (event.text().isEmpty())
        return false;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        return true;
    }
}

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new CellEditorDelegate(this));
    // Section sizes are set per row; the font must not stop a row from
    // being as low as the design asks.
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
}

QString TStringGrid::cell(int column, int row) const
{
    const QTableWidgetItem* it = row < RootTable::kFixedRows
        ? horizontalHeaderItem(column)
        : item(row - RootTable::kFixedRows, column);
    return it ? it->text() : QString();
}

void TStringGrid::setCell(int column, int row, const QString& text)
{
    if (row < RootTable::kFixedRows)
        setHorizontalHeaderItem(column, new QTableWidgetItem(text));
    else if (QTableWidgetItem* it = item(row - RootTable::kFixedRows, column))
        it->setText(text);
    else
        setItem(row - RootTable::kFixedRows, column, new QTableWidgetItem(text));
}

std::string TStringGrid::cellText(int column, int row) const
{
    return cell(column, row).toStdString();
}

void TStringGrid::setGridRowHeight(int row, int height)
{
    if (row < RootTable::kFixedRows)
        horizontalHeader()->setFixedHeight(height);
    else
        setRowHeight(row - RootTable::kFixedRows, height);
}

void TStringGrid::setCurrentGridCell(int column, int row)
{
    setCurrentCell(row - RootTable::kFixedRows, column);
}

void TStringGrid::commitEditor()
{
    if (editor_ && isEditing())
        commitData(editor_);
}

QString TStringGrid::offerCharacters(const QString& text)
{
    QString kept;
    for (QChar typed : text) {
        QChar key = typed;
        emit OnKeyPress(this, key);
        if (!key.isNull())
            kept += key;
    }
    return kept;
}

void TStringGrid::deliverReplaced(QObject* target, QKeyEvent& event, const QString& text)
{
    // Qt keys of ASCII characters are their upper-case codes.
    const int key = text.size() == 1 && text[0].unicode() < 128
        ? text[0].toUpper().unicode()
        : event.key();
    QKeyEvent replaced(event.type(), key, event.modifiers(), text, event.isAutoRepeat(),
                       event.count());
    delivering_ = true;
    if (target == this)
        QTableWidget::keyPressEvent(&replaced);
    else
        QCoreApplication::sendEvent(target, &replaced);
    delivering_ = false;
    event.setAccepted(replaced.isAccepted());
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (delivering_ || !typesCharacter(*event)) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const QString kept = offerCharacters(event->text());
    if (kept.isEmpty()) {
        // A printable character opens the editor even when it is dropped,
        // as typing into a grid cell always does; Enter and control keys
        // do nothing at all.
        if (event->text().at(0).isPrint() && !isEditing())
            edit(currentIndex());
        event->accept();
        return;
    }
    if (kept == event->text()) {
        // Opening the editor forwards the event to it: it is past the filter.
        delivering_ = true;
        QTableWidget::keyPressEvent(event);
        delivering_ = false;
    } else {
        deliverReplaced(this, *event, kept);
    }
}
