#include "about/art/Png.h"
#include <array>
#include <cstdlib>
#include <string_view>

namespace {

using TBytes = std::vector<std::uint8_t>;

class TBitWriter {
 public:
  explicit TBitWriter(TBytes& out) : Out(out) {}
  // Plain values go out least significant bit first.
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // Huffman codes go out most significant bit first.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void Flush() {
    if (Used > 0) Out.push_back(Pending);
    Pending = 0;
    Used = 0;
  }

 private:
  void Bit(std::uint32_t bit) {
    Pending |= static_cast<std::uint8_t>(bit << Used);
    if (++Used == 8) Flush();
  }
  TBytes& Out;
  std::uint8_t Pending = 0;
  int Used = 0;
};

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                               33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The fixed literal/length code of deflate.
void WriteSymbol(TBitWriter& bits, int symbol) {
  if (symbol < 144) bits.Code(0x30 + symbol, 8);
  else if (symbol < 256) bits.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) bits.Code(symbol - 256, 7);
  else bits.Code(0xC0 + symbol - 280, 8);
}

template <std::size_t N>
int CodeIndex(const std::array<int, N>& bases, int value) {
  int index = 0;
  while (index + 1 < static_cast<int>(N) && bases[index + 1] <= value) ++index;
  return index;
}

void WriteMatch(TBitWriter& bits, int length, int distance) {
  const int l = CodeIndex(kLengthBase, length);
  WriteSymbol(bits, 257 + l);
  bits.Bits(length - kLengthBase[l], kLengthExtra[l]);
  const int d = CodeIndex(kDistanceBase, distance);
  bits.Code(d, 5);
  bits.Bits(distance - kDistanceBase[d], kDistanceExtra[d]);
}

// Greedy LZ77 over a 32 kB window with hash chains of bounded length.
void Deflate(const TBytes& data, TBytes& out) {
  constexpr int kWindow = 32768, kMaxChain = 128, kMinMatch = 3, kMaxMatch = 258;
  constexpr int kHashSize = 1 << 15;
  std::vector<int> head(kHashSize, -1), previous(data.size(), -1);
  auto hashAt = [&](std::size_t i) { return ((data[i] << 10) ^ (data[i + 1] << 5) ^ data[i + 2]) & (kHashSize - 1); };
  auto insert = [&](std::size_t i) {
    if (i + 2 >= data.size()) return;
    const int h = hashAt(i);
    previous[i] = head[h];
    head[h] = static_cast<int>(i);
  };
  TBitWriter bits(out);
  bits.Bits(1, 1);  // the final block
  bits.Bits(1, 2);  // fixed Huffman codes
  std::size_t i = 0;
  while (i < data.size()) {
    int bestLength = 0, bestDistance = 0;
    if (i + kMinMatch <= data.size()) {
      const int limit = static_cast<int>(std::min<std::size_t>(kMaxMatch, data.size() - i));
      int chain = 0;
      for (int candidate = head[hashAt(i)]; candidate >= 0 && chain < kMaxChain; candidate = previous[candidate], ++chain) {
        const int distance = static_cast<int>(i) - candidate;
        if (distance > kWindow) break;
        int length = 0;
        while (length < limit && data[candidate + length] == data[i + length]) ++length;
        if (length > bestLength) {
          bestLength = length;
          bestDistance = distance;
          if (length == limit) break;
        }
      }
    }
    if (bestLength >= kMinMatch) {
      WriteMatch(bits, bestLength, bestDistance);
      for (int k = 0; k < bestLength; ++k) insert(i + k);
      i += bestLength;
    } else {
      WriteSymbol(bits, data[i]);
      insert(i);
      ++i;
    }
  }
  WriteSymbol(bits, 256);  // end of block
  bits.Flush();
}

std::uint32_t Adler32(const TBytes& data) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(TBytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(TBytes& out, std::string_view type, const TBytes& body) {
  PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

// Each row takes the filter (None, Sub, Up, Average, Paeth) whose output has
// the smallest sum of magnitudes, the usual choice of PNG encoders.
TBytes FilteredRows(const TRgbaImage& image) {
  const std::size_t stride = static_cast<std::size_t>(image.Size) * 4;
  TBytes out;
  for (int y = 0; y < image.Size; ++y) {
    const std::uint8_t* row = &image.Pixels[y * stride];
    const std::uint8_t* up = y > 0 ? row - stride : nullptr;
    TBytes best;
    long bestCost = -1;
    for (int filter = 0; filter < 5; ++filter) {
      TBytes candidate{static_cast<std::uint8_t>(filter)};
      long cost = 0;
      for (std::size_t x = 0; x < stride; ++x) {
        const int a = x >= 4 ? row[x - 4] : 0, b = up ? up[x] : 0, c = (up && x >= 4) ? up[x - 4] : 0;
        const int predictor = filter == 0 ? 0 : filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : Paeth(a, b, c);
        const auto value = static_cast<std::uint8_t>(row[x] - predictor);
        candidate.push_back(value);
        cost += value < 128 ? value : 256 - value;
      }
      if (bestCost < 0 || cost < bestCost) {
        bestCost = cost;
        best = std::move(candidate);
      }
    }
    out.insert(out.end(), best.begin(), best.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TRgbaImage& image) {
  const TBytes raw = FilteredRows(image);
  TBytes zlib{0x78, 0x01};
  Deflate(raw, zlib);
  PutBigEndian(zlib, Adler32(raw));

  TBytes header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.Size));
  PutBigEndian(header, static_cast<std::uint32_t>(image.Size));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no interlace

  TBytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}
