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
#include "WindowAccessibility.h"
#include "WindowPlacement.h"

#include <QDynamicPropertyChangeEvent>
#include <QHeaderView>

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
