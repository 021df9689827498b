#pragma once

#include <cstdint>

namespace kalmiro {

// The program's one pseudo-random generator. Tests replace the source to seed it
// or to script the exact values it returns.
class ZufallsQuelle {
public:
    virtual ~ZufallsQuelle() = default;
    // An integer 0..n-1 with equal probability; n >= 1.
    virtual int Ziehe(int n) = 0;
    // Seeds the generator from the clock.
    virtual void Mische() = 0;
};

// nullptr puts the built-in generator back.
void ZufallsQuelleSetzen(ZufallsQuelle* quelle);

// 0..n-1; 0 for n < 1.
int Random(int n);
void Randomize();
// Seeds the built-in generator with a fixed value (repeatable series).
void RandSeed(std::uint32_t seed);

int Zufall1bis9();
int ZufallZehner();
int ZufallZweistellig();
float ZufallZehntel();
float ZufallEinstelligKomma();
int ZufallTempo();

} // namespace kalmiro
