#pragma once

class Forms;
class QWidget;

/// The exit confirmation of every exit button, menu item and toolbar button:
/// asks (default No), then unloads every work, guide and auxiliary window in
/// a fixed order and brings the splash back as a farewell screen. Returns
/// true when the user confirmed.
bool confermauscita(Forms& forms, QWidget* parent);
