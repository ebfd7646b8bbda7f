#pragma once
// Rotor: the counter that picks where searches without any known letter start,
// so that the generator does not always see the same words first.
// One Rotor lives as long as the program (owned by the application state) and is
// handed to collectCandidates and grepWords, the only searches that change it.
namespace bv {

struct Rotor {
    unsigned value = 12;
};

}  // namespace bv
