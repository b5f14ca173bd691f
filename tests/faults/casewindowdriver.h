#pragma once

#include "longcases.h"

#include <QString>

#include <memory>
#include <optional>

struct TestForms;

/// Drives a window that keeps a case in a file through its public
/// interface: the fields a user types in and the file commands.
class CaseWindowDriver
{
public:
    /// The window's name, as the rows of the tests show it.
    static QString nameOf(CaseWindow window);
    /// Registers and shows the window on `forms`.
    static std::unique_ptr<CaseWindowDriver> open(CaseWindow window, TestForms& forms);

    virtual ~CaseWindowDriver() = default;

    /// The name of the case file of `base` ("rossi") as the window writes it.
    virtual QString fileName(const QString& base) const = 0;
    /// Types a case: the name of the deceased and a number (the children,
    /// the estate).
    virtual void enterCase(const QString& name, int number) = 0;
    /// The case on screen, as "name number".
    virtual QString heldCase() const = 0;
    /// The case's own file; empty when it has none.
    virtual QString currentFile() const = 0;
    /// Whether the window shows that the case has changes not saved; none
    /// when it does not show it at all.
    virtual std::optional<bool> unsavedMark() const = 0;

    virtual void openFile() = 0;
    virtual void save() = 0;
    virtual void saveAs() = 0;
};
