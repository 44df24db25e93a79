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
};

struct AashtoSample {
    double fines = 0;           // percent passing the No. 200 sieve, F200
    double passingNo40 = 0;     // P40
    double passingNo10 = 0;     // P10
    double liquidLimit = 0;     // LL
    double plasticityIndex = 0; // PI
};

} // namespace classifier
