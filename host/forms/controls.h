// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls of a form, in one include for a program's window:
// - layout_table.h: the rows of a layout table and layOut, which makes their controls;
// - keyboard_order.h: the tab order and screen-reader names of a laid-out client area;
// - control_helpers.h: array names, check values, text boxes, tool tips and colours;
// - twips.h: placing a widget in twips of its container.
// Inside host, a file includes only the pieces it uses.
#include "host/forms/control_helpers.h"
#include "host/forms/keyboard_order.h"
#include "host/forms/layout_table.h"
#include "host/forms/twips.h"
