// Fixture of LayerOrderFixture: a folder that includes only itself.
#pragma once

#include "core/Clock.h"
