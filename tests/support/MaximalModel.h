#pragma once
// Models built in code, shared by the tests and the benchmarks (the library
// quilmora_test_support): the largest model, the stacked duplicates and a
// typical house.

// The largest model the lists hold: three variants of three storeys, each
// storey with every element list at its maximum (300 columns, 300 walls, 50
// roof/floor rectangles and 50 triangles, 50 floor-specification rectangles
// and 50 triangles, 200 foundations, 300 gable walls, 300 text labels, 200
// free lines), with snow, so that every
// family of results is computed, retrofit plans that differ from the current
// state wall by wall, and every display switch of the plan on. The columns
// and walls stand on a 20 x 15 lattice of every second axis from axis 5; the
// walls carry every element kind, fitting symbol, flip and wing wall.
void BuildMaximalModel();

// The axes that the maximal model's lattice spans, for placing a view on it.
constexpr int MaximalModelFirstAxis = 5;
constexpr int MaximalModelLastAxisX = 43;
constexpr int MaximalModelLastAxisY = 33;

// One storey of 300 identical walls and 300 identical columns stacked on
// the same points, in all three variants: the case where matching by end
// points meets every element with all the others.
void BuildStackedDuplicatesModel();

// A typical two-storey house of 60 walls on a 0.91 m grid.
void BuildTypicalHouse();
