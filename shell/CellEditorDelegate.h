// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QStyledItemDelegate>

/// Shows the grid's cells and makes their editors.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellEditorDelegate(QObject* parent = nullptr);
};
