#pragma once

#include <optional>

// The laboratory results each method names a soil from, as numbers.
namespace classifier {

struct UnifiedSample {
    double fines = 0;           // percent passing the No. 200 sieve, F200
    double passingNo4 = 0;      // percent passing the No. 4 sieve, P4
    double liquidLimit = 0;     // LL
    double plasticityIndex = 0; // PI
    std::optional<double> cc;   // coefficient of curvature, when known
    std::optional<double> cu;   // coefficient of uniformity, when known
    // Read by the standard rules only.
    bool nonPlastic = false;      // "NP": the fines are silt, PI is 0
    bool liquidLimitGiven = true; // false for a non-plastic sample without LL; LL is then 0
    std::optional<double> ovenDriedLiquidLimit = std::nullopt; // for the organic test
    std::optional<bool> organic = std::nullopt; // the lab's own decision, which then stands
};

struct AashtoSample {
    double fines = 0;           // percent passing the No. 200 sieve, F200
    double passingNo40 = 0;     // P40
    double passingNo10 = 0;     // P10
    double liquidLimit = 0;     // LL
    double plasticityIndex = 0; // PI
    // Read by the standard rules only.
    bool nonPlastic = false;      // "NP": PI is 0, and so is the group index
    bool liquidLimitGiven = true; // false for a non-plastic sample without LL; LL is then 0
};

} // namespace classifier
