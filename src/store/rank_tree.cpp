#include "store/rank_tree.h"

#include <algorithm>

#include "store/rank_quicksort.h"

namespace vorlane {

namespace {

// Enough for the boundary nodes of any range in a tree of up to 2^64 leaves.
constexpr int kMaxBoundaryNodes = 2 * 64;

}  // namespace

void RankTree::Build(const uint64_t* items, size_t first, size_t last) {
    const size_t count = last - first + 1;
    size_t leaves = 1;
    while (leaves < count) {
        leaves *= 2;
    }
    base_ = first;
    leaves_ = leaves;
    // Padding leaves never match a search: nothing is above 0 or below the largest code.
    max_.assign(2 * leaves, 0);
    min_.assign(2 * leaves, UINT32_MAX);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t code = RankCode(items[first + i]);
        max_[leaves + i] = code;
        min_[leaves + i] = code;
    }
    for (size_t node = leaves - 1; node >= 1; --node) {
        max_[node] = std::max(max_[2 * node], max_[2 * node + 1]);
        min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
    }
}

void RankTree::Set(size_t at, uint32_t code) {
    size_t node = leaves_ + (at - base_);
    max_[node] = code;
    min_[node] = code;
    for (node /= 2; node >= 1; node /= 2) {
        const uint32_t high = std::max(max_[2 * node], max_[2 * node + 1]);
        const uint32_t low = std::min(min_[2 * node], min_[2 * node + 1]);
        if (high == max_[node] && low == min_[node]) {
            break;  // nothing above changes either
        }
        max_[node] = high;
        min_[node] = low;
    }
}

size_t RankTree::DescendToFirstAbove(size_t node, uint32_t code) const {
    while (node < leaves_) {
        node *= 2;
        if (max_[node] <= code) {
            ++node;
        }
    }
    return base_ + (node - leaves_);
}

size_t RankTree::DescendToLastBelow(size_t node, uint32_t code) const {
    while (node < leaves_) {
        node = 2 * node + 1;
        if (min_[node] >= code) {
            --node;
        }
    }
    return base_ + (node - leaves_);
}

size_t RankTree::NextAbove(size_t from, size_t to, uint32_t code) const {
    if (from > to) {
        return to + 1;
    }
    // Bottom-up walk over the canonical nodes of [from, to]: the left boundary nodes come in
    // ascending position order, the right ones in descending order and are checked afterwards.
    size_t left = leaves_ + (from - base_);
    size_t right = leaves_ + (to - base_) + 1;
    size_t rightNodes[kMaxBoundaryNodes];
    int rightCount = 0;
    while (left < right) {
        if (left & 1) {
            if (max_[left] > code) {
                return DescendToFirstAbove(left, code);
            }
            ++left;
        }
        if (right & 1) {
            rightNodes[rightCount++] = --right;
        }
        left /= 2;
        right /= 2;
    }
    while (rightCount > 0) {
        const size_t node = rightNodes[--rightCount];
        if (max_[node] > code) {
            return DescendToFirstAbove(node, code);
        }
    }
    return to + 1;
}

size_t RankTree::PreviousBelow(size_t from, size_t to, uint32_t code) const {
    if (from > to) {
        return from - 1;
    }
    size_t left = leaves_ + (from - base_);
    size_t right = leaves_ + (to - base_) + 1;
    size_t leftNodes[kMaxBoundaryNodes];
    int leftCount = 0;
    while (left < right) {
        if (right & 1) {
            --right;
            if (min_[right] < code) {
                return DescendToLastBelow(right, code);
            }
        }
        if (left & 1) {
            leftNodes[leftCount++] = left++;
        }
        left /= 2;
        right /= 2;
    }
    while (leftCount > 0) {
        const size_t node = leftNodes[--leftCount];
        if (min_[node] < code) {
            return DescendToLastBelow(node, code);
        }
    }
    return from - 1;
}

void RankTree::MinMax(size_t from, size_t to, uint32_t& low, uint32_t& high) const {
    low = UINT32_MAX;
    high = 0;
    size_t left = leaves_ + (from - base_);
    size_t right = leaves_ + (to - base_) + 1;
    while (left < right) {
        if (left & 1) {
            low = std::min(low, min_[left]);
            high = std::max(high, max_[left]);
            ++left;
        }
        if (right & 1) {
            --right;
            low = std::min(low, min_[right]);
            high = std::max(high, max_[right]);
        }
        left /= 2;
        right /= 2;
    }
}

}  // namespace vorlane
