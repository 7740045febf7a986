#pragma once

class Zorva;

// A whole test as a learner takes it: 25 pairs, a take-back and the pair
// recorded again, grading and 25 explanations. Returns the number of
// learner actions (clicks) it took.
int takeWholeTest(Zorva &window);
