// An editor whose grid answers F1 with the parameter of its selected row; the
// main window's help hook asks the focused editor through this.
#ifndef ZKTOOLS_FORMS_GRID_HELP_KEY_H
#define ZKTOOLS_FORMS_GRID_HELP_KEY_H

#include <string>

class QWidget;

class GridHelpKey {
public:
    virtual ~GridHelpKey() = default;
    // The grid whose input focus makes F1 a partial-key search.
    virtual QWidget* HelpGrid() const = 0;
    // The parameter name of the selected row; empty when there is none.
    virtual std::string GetSelectedName() const = 0;
};

#endif
