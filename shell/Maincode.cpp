// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"

#include "DesignFonts.h"
#include "ErrorDisplay.h"
#include "InputFilter.h"
#include "ShowRoots.h"
#include "TChart.h"
#include "TPointSeries.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QHeaderView>
#include <QShortcut>

TMainForm* MainForm = nullptr;

namespace {

constexpr char kFontPixelSize[] = "fontPixelSize";

// The design gives font heights in pixels, which the .ui format cannot hold,
// and families that may not be installed here.
void applyDesignFont(QWidget* widget)
{
    const QVariant pixels = widget->property(kFontPixelSize);
    if (!pixels.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(pixels.toInt());
    useInstalledFamilies(font);
    widget->setFont(font);
}

const QString kRealColumnDescription = QStringLiteral("Действительная часть корня");
const QString kImaginaryColumnDescription = QStringLiteral("Мнимая часть корня");

// What a screen reader says of the cell editor: the row and column it edits.
QString cellEditorName(const TStringGrid& grid, const QWidget* editor)
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QModelIndex index = grid.model()->index(row, column);
            if (grid.indexWidget(index) != editor)
                continue;
            const QString header = grid.cell(column, 0);
            const QString description = column == RootTable::kRealColumn ? kRealColumnDescription
                                                                         : kImaginaryColumnDescription;
            return QStringLiteral("Строка %1, столбец %2 (%3)")
                .arg(row + RootTable::kFixedRows)
                .arg(header, description.toLower());
        }
    }
    return {};
}

// The window's output reaches a screen reader too: the table is named by its
// caption, its headers tell what each column holds, a cell editor tells which
// cell it edits, and the chart's menu, whose chart takes no focus, opens from
// the keyboard with the Menu key or Shift+F10 wherever the focus is, except in
// a cell editor, where those keys keep their own meaning.
void makeAccessible(TMainForm& form)
{
    TStringGrid* grid = form.StringGrid1;
    grid->setAccessibleName(form.StaticText1->text());
    grid->horizontalHeaderItem(RootTable::kRealColumn)
        ->setData(Qt::AccessibleDescriptionRole, kRealColumnDescription);
    grid->horizontalHeaderItem(RootTable::kImaginaryColumn)
        ->setData(Qt::AccessibleDescriptionRole, kImaginaryColumnDescription);

    auto* chartMenuKeys = new QShortcut(&form);
    chartMenuKeys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    chartMenuKeys->setContext(Qt::WindowShortcut);
    QObject::connect(chartMenuKeys, &QShortcut::activated, &form,
                     [&form] { form.ChartContextPopup(form.Chart->rect().center()); });
    // An open editor has the focus; only editors take it inside the viewport.
    QObject::connect(qApp, &QApplication::focusChanged, chartMenuKeys,
                     [grid, chartMenuKeys](QWidget*, QWidget* now) {
                         const bool inEditor = now && grid->viewport()->isAncestorOf(now);
                         chartMenuKeys->setEnabled(!inEditor);
                         if (inEditor)
                             now->setAccessibleName(cellEditorName(*grid, now));
                     });
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    Series1 = Chart->series();
    for (QWidget* child : findChildren<QWidget*>())
        applyDesignFont(child);
    WindowPlacement::place(this, property("designPosition").toPoint());

    // The .ui format has no per-row heights (row 2 is a pixel lower), so the
    // table's shape comes from its constants.
    StringGrid1->horizontalHeader()->setDefaultSectionSize(RootTable::kColumnWidth);
    for (int row = 0; row < RootTable::kRowCount; ++row)
        StringGrid1->setGridRowHeight(row, RootTable::kRowHeights[row]);
    StringGrid1->setCurrentGridCell(RootTable::kStartColumn, RootTable::kStartRow);

    StringGrid1->setCell(RootTable::kRealColumn, 0, QString::fromUtf8(RootTable::kRealHeader));
    StringGrid1->setCell(RootTable::kImaginaryColumn, 0,
                         QString::fromUtf8(RootTable::kImaginaryHeader));
    makeAccessible(*this);
}

bool TMainForm::event(QEvent* event)
{
    // The form's font is set while its design is read, before the controls
    // are made, so that they measure themselves in it from the start rather
    // than first in the default font.
    if (event->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kFontPixelSize)
        applyDesignFont(this);
    return QWidget::event(event);
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::Button1Click()
{
    runHandler([this] {
        StringGrid1->commitEditor();
        showRoots(*StringGrid1, *Series1, userDecimalSeparator());
    });
}

void TMainForm::StringGrid1KeyPress(QObject* /*Sender*/, QChar& Key)
{
    runHandler([&Key] { Key = QChar(filterKey(Key.unicode(), userDecimalSeparator())); });
}

void TMainForm::ChartContextPopup(const QPoint& MousePos)
{
    runHandler([this, MousePos] { PopupMenu->popup(Chart->mapToGlobal(MousePos)); });
}

void TMainForm::N1Click()
{
    runHandler([this] { Chart->copyToClipboard(); });
}
