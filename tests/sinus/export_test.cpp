#include "sinus_fixture.h"
