// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "DecimalSeparator.h"
#include "ui_Maincode.h"

#include <QWidget>

class TPointSeries;

/// The program's window: the root chart, the table the roots are typed into
/// and the button that plots them. Its layout, texts and event bindings come
/// from Maincode.ui; the handlers below are bound there by name.
class TMainForm : public QWidget, public Ui::TMainForm {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    /// The chart's point series, which the roots are plotted into.
    TPointSeries* Series1 = nullptr;

public slots:
    /// Plots the roots typed into the table.
    void Button1Click();
    /// Filters each character typed into the table.
    void StringGrid1KeyPress(QObject* Sender, QChar& Key);
    /// Opens the chart's menu at the pointer.
    void ChartContextPopup(const QPoint& MousePos);
    /// Copies the chart's picture to the clipboard.
    void N1Click();

protected:
    bool event(QEvent* event) override;
};

/// The main window, created once by the entry.
extern TMainForm* MainForm;
