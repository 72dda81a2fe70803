// Fixture of LayerOrderFixture: a folder without a place among the layers.
#pragma once
