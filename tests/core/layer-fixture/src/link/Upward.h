// Fixture of LayerOrderFixture: the link including the layer above it.
#pragma once

#include "core/Clock.h"
#include "transmitter/Connection.h"
