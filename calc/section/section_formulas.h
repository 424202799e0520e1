// The fixed formula lines of the section design.
#pragma once

#include <string>
#include <vector>

// The lines that derive the required steel (ListBox9); an empty text is an empty line.
const std::vector<std::string>& RequiredSteelFormulas();
// The lines that derive the actual stresses and the shear stress (ListBox10).
const std::vector<std::string>& ActualStressFormulas();
