// Entry point of polyvista.
#include "app/run.h"

int main(int argc, char** argv) {
  return runPolyvista(argc, argv);
}
