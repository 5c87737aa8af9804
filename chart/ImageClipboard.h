// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

#include <string_view>

/// The message of the failure to use the clipboard.
inline constexpr std::string_view kCannotOpenClipboard = "Cannot open clipboard";

/// Somewhere a picture can be copied to.
class ImageClipboard {
public:
    virtual ~ImageClipboard() = default;
    /// Replaces the clipboard's contents by `image`. Throws Exception with
    /// kCannotOpenClipboard when the clipboard cannot be used.
    virtual void setImage(const QImage& image) = 0;
};

/// The system clipboard, which offers the image to other programs in the
/// image formats Qt knows (PNG, BMP, ...).
class SystemImageClipboard final : public ImageClipboard {
public:
    void setImage(const QImage& image) override;
};
