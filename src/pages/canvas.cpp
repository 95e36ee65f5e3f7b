#include "pages/canvas.hpp"
