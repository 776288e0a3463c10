// An engine source that reaches up into the plug-in: the layer check must
// refuse this tree.
#include "plugin/plugin_state.h"
