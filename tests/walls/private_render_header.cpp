// The render core's internals stay its own: this must not compile.
#include "render/ColumnJob.h"

int PrivateRenderHeaderReached = 1;
