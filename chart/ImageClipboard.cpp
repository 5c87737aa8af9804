// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ImageClipboard.h"

#include "Exception.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void SystemImageClipboard::setImage(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw Exception(std::string(kCannotOpenClipboard));
    clipboard->setImage(image);
    // Qt reports no failure of its own; a clipboard that did not take the
    // image is one we could not open.
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasImage())
        throw Exception(std::string(kCannotOpenClipboard));
}
