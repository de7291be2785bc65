#include "gridgraph/ui/grid_graph_widget.h"
