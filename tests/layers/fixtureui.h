#pragma once

// Stands for a header of a _ui library in the layer check's own tests.
struct FixtureWindow
{
};
