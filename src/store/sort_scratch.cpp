#include "store/sort_scratch.h"

namespace vorlane {

namespace {

uint32_t requestCount = 0;
uint32_t failingRequest = 0;  // request number that fails; 0 = none

}  // namespace

void SortScratchFaults::FailNthRequest(uint32_t nth) {
    failingRequest = nth == 0 ? 0 : requestCount + nth;
}

uint32_t SortScratchFaults::RequestCount() {
    return requestCount;
}

bool SortScratchFaults::Admit() {
    ++requestCount;
    if (failingRequest != 0 && requestCount == failingRequest) {
        failingRequest = 0;
        return false;
    }
    return true;
}

}  // namespace vorlane
