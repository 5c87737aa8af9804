// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"

#include "ErrorDisplay.h"
#include "InputFilter.h"
#include "ShowRoots.h"
#include "TChart.h"
#include "TPointSeries.h"
#include "WindowPlacement.h"

#include <QHeaderView>
#include <QLocale>

TMainForm* MainForm = nullptr;

namespace {

// The design gives font heights in pixels, which the .ui format cannot hold.
void applyFontPixelSizes(QWidget* form)
{
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.prepend(form);
    for (QWidget* w : widgets) {
        const QVariant pixels = w->property("fontPixelSize");
        if (!pixels.isValid())
            continue;
        QFont font = w->font();
        font.setPixelSize(pixels.toInt());
        w->setFont(font);
    }
}

} // namespace

char userDecimalSeparator()
{
    // Separators outside ASCII (Arabic, say) cannot be typed through the
    // table's filter anyway; those users get the point.
    return QLocale().decimalPoint() == QLatin1String(",") ? ',' : '.';
}

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    Series1 = Chart->series();
    applyFontPixelSizes(this);
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
