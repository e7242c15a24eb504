// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

namespace host {

// An opaque picture as a PNG file: 8-bit RGB, the image's resolution in a pHYs chunk, every
// row filtered against the row above it and the rows compressed in runs. A display's flat
// colours make long runs of zeros of that filter, which pack small and quickly; choosing a
// filter row by row, as general encoders do, costs several times more for these pictures and
// gains little. Pixels read back exactly as they were; an image with an alpha channel is
// refused (an empty result), as it needs another encoding.
QByteArray opaquePngBytes(const QImage &image);

} // namespace host
