#pragma once

#include "caserecord.h"
#include "results.h"

/// A window that starts from the succession window's case. The succession
/// window hands its case to the detailed calculation through this, asking the
/// window registry for that window without knowing its class.
class GridCaseTaker
{
public:
    virtual ~GridCaseTaker() = default;
    /// The grid's case and the shares the grid gives for it.
    virtual void startFromGrid(const CaseRecord& record, const Results& results) = 0;
};
