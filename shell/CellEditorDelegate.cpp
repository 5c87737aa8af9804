// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellEditorDelegate.h"

CellEditorDelegate::CellEditorDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}
