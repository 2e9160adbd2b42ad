// Greedy box splitting over a 64 x 64 x 64 colour count.
//
// A box is a range of cells on each axis, always shrunk to the cells it
// counts. Its squared error is the sum over its pixels of the squared
// distance to its mean, from its moments: sum of squares - |sums|^2 /
// count. The box with the largest error is cut where the two halves'
// errors sum least; a max-heap keeps the boxes that can still be cut.
// Sums are 64-bit: a large image's sums of squares pass 32 bits.
//
// Every cut tried, every slice looked at while shrinking and every part's
// moments are the moments of some box. Scanning the cells for each would
// cost the box's volume, and the first boxes are the whole cube; so the
// moments are first summed cumulatively over the cube once, after which
// any box's moments are eight look-ups (inclusion and exclusion of the
// corners). Unsigned sums wrap, but a box's true moments are never
// negative, so the look-ups give them exactly.
#include "engine/graphics/color_quantizer.h"

#include <cstring>
#include <new>
#include <vector>

#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"

namespace {

struct Moments
{
    uint64_t count = 0;
    uint64_t sumOfSquares = 0;
    uint64_t sums[3] = {0, 0, 0};

    void Add(const Moments& other)
    {
        count += other.count;
        sumOfSquares += other.sumOfSquares;
        for (int32_t i = 0; i < 3; i++)
            sums[i] += other.sums[i];
    }
    void Subtract(const Moments& other)
    {
        count -= other.count;
        sumOfSquares -= other.sumOfSquares;
        for (int32_t i = 0; i < 3; i++)
            sums[i] -= other.sums[i];
    }
    uint64_t Error() const
    {
        if (count == 0)
            return 0;
        long double squares = 0;
        for (int32_t i = 0; i < 3; i++)
            squares += static_cast<long double>(sums[i]) * static_cast<long double>(sums[i]);
        const long double error = static_cast<long double>(sumOfSquares) - squares / static_cast<long double>(count);
        return error > 0 ? static_cast<uint64_t>(error) : 0;
    }
};

struct Box
{
    uint64_t error = 0;
    Moments moments;
    int32_t low[3] = {0, 0, 0};
    int32_t high[3] = {63, 63, 63};

    bool IsSplittable() const { return low[0] != high[0] || low[1] != high[1] || low[2] != high[2]; }
};

// Entry (a, b, c) holds the moments of the cells below a, b and c on each
// axis (65 entries a side, the first of each zero).
class CumulativeMoments
{
public:
    // False when the table's memory cannot be had.
    bool Build(const uint32_t* histogram)
    {
        try
        {
            m_Table.assign(SIDE * SIDE * SIDE, Moments{});
        }
        catch (const std::bad_alloc&)
        {
            return false;
        }
        for (int32_t a = 0; a < 64; a++)
            for (int32_t b = 0; b < 64; b++)
                for (int32_t c = 0; c < 64; c++)
                {
                    const uint64_t n = histogram[a * 4096 + b * 64 + c];
                    Moments& cell = At(a + 1, b + 1, c + 1);
                    cell.count = n;
                    cell.sumOfSquares = n * static_cast<uint64_t>(a * a + b * b + c * c);
                    cell.sums[0] = n * static_cast<uint64_t>(a);
                    cell.sums[1] = n * static_cast<uint64_t>(b);
                    cell.sums[2] = n * static_cast<uint64_t>(c);
                }
        for (int32_t a = 1; a < SIDE; a++)
            for (int32_t b = 1; b < SIDE; b++)
                for (int32_t c = 1; c < SIDE; c++)
                    At(a, b, c).Add(At(a, b, c - 1));
        for (int32_t a = 1; a < SIDE; a++)
            for (int32_t b = 1; b < SIDE; b++)
                for (int32_t c = 1; c < SIDE; c++)
                    At(a, b, c).Add(At(a, b - 1, c));
        for (int32_t a = 1; a < SIDE; a++)
            for (int32_t b = 1; b < SIDE; b++)
                for (int32_t c = 1; c < SIDE; c++)
                    At(a, b, c).Add(At(a - 1, b, c));
        return true;
    }

    // The moments of the cells from low to high (inclusive) on each axis.
    Moments Of(const int32_t low[3], const int32_t high[3]) const
    {
        Moments sum;
        for (int32_t corner = 0; corner < 8; corner++)
        {
            int32_t at[3];
            int32_t lows = 0;
            for (int32_t axis = 0; axis < 3; axis++)
            {
                const bool fromLow = (corner >> axis & 1) != 0;
                at[axis] = fromLow ? low[axis] : high[axis] + 1;
                lows += fromLow;
            }
            const Moments& part = m_Table[Index(at[0], at[1], at[2])];
            if (lows % 2 == 0)
                sum.Add(part);
            else
                sum.Subtract(part);
        }
        return sum;
    }

    // The moments of one slice of the box across the axis.
    Moments OfSlice(const Box& box, int32_t axis, int32_t slice) const
    {
        int32_t low[3] = {box.low[0], box.low[1], box.low[2]};
        int32_t high[3] = {box.high[0], box.high[1], box.high[2]};
        low[axis] = high[axis] = slice;
        return Of(low, high);
    }

private:
    static constexpr int32_t SIDE = 65;
    static size_t Index(int32_t a, int32_t b, int32_t c) { return (size_t(a) * SIDE + size_t(b)) * SIDE + size_t(c); }
    Moments& At(int32_t a, int32_t b, int32_t c) { return m_Table[Index(a, b, c)]; }

    std::vector<Moments> m_Table;
};

// Shrinks the box to its counted cells and recomputes its moments.
void ShrinkBoxToContent(const CumulativeMoments& moments, Box& box)
{
    for (int32_t axis = 0; axis < 3; axis++)
    {
        int32_t first = box.low[axis], last = box.high[axis];
        while (first < last && moments.OfSlice(box, axis, first).count == 0)
            first++;
        while (last > first && moments.OfSlice(box, axis, last).count == 0)
            last--;
        box.low[axis] = first;
        box.high[axis] = last;
    }
    box.moments = moments.Of(box.low, box.high);
    box.error = box.moments.Error();
}

// A 1-based max-heap of box indexes keyed by error.
class BoxHeap
{
public:
    BoxHeap(std::vector<Box>& boxes, size_t capacity) : m_Boxes(boxes) { m_Items.reserve(capacity + 1); m_Items.push_back(0); }
    bool IsEmpty() const { return m_Items.size() == 1; }
    size_t Top() const { return m_Items[1]; }
    void Insert(size_t box)
    {
        m_Items.push_back(box);
        size_t at = m_Items.size() - 1;
        while (at > 1 && Key(at / 2) < Key(at))
        {
            std::swap(m_Items[at / 2], m_Items[at]);
            at /= 2;
        }
    }
    void ReplaceTop(size_t box)
    {
        m_Items[1] = box;
        SinkTop();
    }
    void RemoveTop()
    {
        m_Items[1] = m_Items.back();
        m_Items.pop_back();
        if (!IsEmpty())
            SinkTop();
    }
    void SinkTop()
    {
        size_t at = 1;
        for (;;)
        {
            size_t child = at * 2;
            if (child >= m_Items.size())
                return;
            if (child + 1 < m_Items.size() && Key(child + 1) > Key(child))
                child++;
            if (Key(child) <= Key(at))
                return;
            std::swap(m_Items[child], m_Items[at]);
            at = child;
        }
    }

private:
    uint64_t Key(size_t at) const { return m_Boxes[m_Items[at]].error; }

    std::vector<Box>& m_Boxes;
    std::vector<size_t> m_Items;
};

struct Cut
{
    uint64_t total = UINT64_MAX;
    int32_t position = 0;
};

Cut BestCut(const CumulativeMoments& moments, const Box& box, int32_t axis)
{
    Cut best;
    int32_t high[3] = {box.high[0], box.high[1], box.high[2]};
    for (int32_t t = box.low[axis]; t < box.high[axis]; t++)
    {
        high[axis] = t;
        const Moments lower = moments.Of(box.low, high);
        Moments upper = box.moments;
        upper.Subtract(lower);
        const uint64_t total = lower.Error() + upper.Error();
        if (total < best.total)
            best = Cut{total, t};
    }
    return best;
}

void SplitWorstBox(const CumulativeMoments& moments, std::vector<Box>& boxes, BoxHeap& heap)
{
    const size_t top = heap.Top();
    Cut cuts[3];
    for (int32_t axis = 0; axis < 3; axis++)
        cuts[axis] = BestCut(moments, boxes[top], axis);
    int32_t axis = 0;
    if (cuts[1].total < cuts[0].total)
        axis = 1;
    if (cuts[2].total < cuts[axis].total)
        axis = 2;

    Box upper = boxes[top];
    upper.low[axis] = cuts[axis].position + 1;
    boxes[top].high[axis] = cuts[axis].position;
    ShrinkBoxToContent(moments, boxes[top]);
    ShrinkBoxToContent(moments, upper);
    boxes.push_back(upper);
    const size_t upperIndex = boxes.size() - 1;

    const bool lowerSplits = boxes[top].IsSplittable();
    const bool upperSplits = boxes[upperIndex].IsSplittable();
    if (!lowerSplits && !upperSplits)
        heap.RemoveTop();
    else if (!lowerSplits)
        heap.ReplaceTop(upperIndex);
    else
    {
        heap.SinkTop();
        if (upperSplits)
            heap.Insert(upperIndex);
    }
}

} // namespace

void ClearColorHistogram(uint32_t* histogram)
{
    std::memset(histogram, 0, COLOR_HISTOGRAM_CELLS * sizeof(uint32_t));
}

void CountColorHistogram(uint32_t* histogram, const CFrame& frame)
{
    if (frame.GetBitsPerPixel() != 24 || !IsPlainFrameWithPixels(frame))
        return;
    for (int32_t y = 0; y < frame.GetHeight(); y++)
    {
        const uint8_t* pixel = PlainFrameRow(frame, y);
        for (int32_t x = 0; x < frame.GetWidth(); x++, pixel += 3)
            histogram[(pixel[0] >> 2) * 4096 + (pixel[1] >> 2) * 64 + (pixel[2] >> 2)]++;
    }
}

int32_t QuantizeBoxes(const uint32_t* histogram, int32_t n, uint8_t* output, int32_t* count)
{
    *count = 0;
    if (n <= 0)
        return 0;
    std::vector<Box> boxes;
    CumulativeMoments moments;
    try
    {
        boxes.reserve(static_cast<size_t>(n));
    }
    catch (const std::bad_alloc&)
    {
        return 1;
    }
    if (!moments.Build(histogram))
        return 1;
    boxes.emplace_back();
    ShrinkBoxToContent(moments, boxes[0]);
    if (boxes[0].moments.count == 0)
        return 0;
    BoxHeap heap(boxes, static_cast<size_t>(n));
    if (boxes[0].IsSplittable())
        heap.Insert(0);
    while (static_cast<int32_t>(boxes.size()) < n && !heap.IsEmpty())
        SplitWorstBox(moments, boxes, heap);

    for (const Box& box : boxes)
        for (int32_t i = 0; i < 3; i++)
            *output++ = static_cast<uint8_t>((4 * box.moments.sums[i] + box.moments.count / 2) / box.moments.count);
    *count = static_cast<int32_t>(boxes.size());
    return 0;
}

void BuildPaletteFromHistogram(CColorTable& palette, const uint32_t* histogram)
{
    palette.SetKind(CColorTable::PALETTE);
    std::memset(palette.GetData(), 0, CColorTable::GetKindSize(CColorTable::PALETTE));
    palette.SetEntry(255, 255, 255, 255);
    int32_t count;
    QuantizeBoxes(histogram, 254, palette.GetData() + 3, &count);
}
