#pragma once

/// A window that opens case files. The will window runs the calculator's Apri
/// through this, asking the window registry for the calculator without
/// knowing its class. It lives in app/, below both subsystems, because
/// neither may include the other's window header.
class CaseOpener
{
public:
    virtual ~CaseOpener() = default;
    virtual void apri_Click() = 0;
};
