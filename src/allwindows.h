#pragma once

class Forms;

/// Registers the factory of every window of the program with `forms`.
void registerAllWindows(Forms& forms);
