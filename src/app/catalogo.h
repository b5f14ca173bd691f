#pragma once

#include "clsresize.h"

#include <QWidget>

class Forms;

/// The catalogue of the maker's other programs; this edition ships none, so
/// the window says so.
class Catalogo : public QWidget
{
    Q_OBJECT
public:
    explicit Catalogo(Forms& forms, QWidget* parent = nullptr);

    static QString notice();

    void cmdchiudi_Click();

private:
    Forms& m_forms;
    ClsResize m_resize;
};
