#pragma once

/// A window that shows one maxim. The norms windows open the maxims on an
/// article through this, asking the window registry for the maxims window
/// without knowing its class.
class MaximOpener
{
public:
    virtual ~MaximOpener() = default;
    /// Chooses topic `topic` (1 to 8) and shows its maxim `number`.
    virtual void mostraMassima(int topic, int number) = 0;
};
