// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The translation unit that carries the precompiled Qt headers (see QtHeaders.cmake).
