#include "model/Grid.h"

double GridAxisX[GridAxisCountX];
double GridAxisY[GridAxisCountY];
int32_t GridAxisKindX[GridAxisCountX];
int32_t GridAxisKindY[GridAxisCountY];
double GridModule = DefaultGridModule;
int32_t GridSpacingCheckPending = 1;

void LayOutGridAtModule() {
  for (int i = 0; i < GridAxisCountX; ++i) {
    GridAxisX[i] = i * GridModule;
    GridAxisKindX[i] = GridAxisMain;
  }
  for (int i = 0; i < GridAxisCountY; ++i) {
    GridAxisY[i] = i * GridModule;
    GridAxisKindY[i] = GridAxisMain;
  }
}

double PutAxisZeroAtOrigin(double (&axes)[GridAxisCountX]) {
  const double moved = -axes[0];
  for (double& position : axes) position += moved;
  return moved;
}
