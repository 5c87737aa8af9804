// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"

#include <QAccessibleInterface>
#include <QPointer>

class TChart;

/// One plotted root as a child of the chart's accessible interface, named
/// like "p1: −1; 1". It keeps the point it was made for, so it still names it
/// while the chart announces that it is gone.
class RootPointAccessible : public QAccessibleInterface {
public:
    RootPointAccessible(TChart* chart, RootPoint point);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    /// The star in screen coordinates; empty when the root lies outside the
    /// ranges the axes show.
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<TChart> chart_;
    RootPoint point_;
};
