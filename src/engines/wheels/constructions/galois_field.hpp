#pragma once

#include <vector>

namespace kulko {

// The finite field of q = p^n elements (p prime, q at most 64), which the
// known designs are built over. Its elements are 0 to q - 1: the digits of
// an element in base p are the coefficients of a polynomial in x, reduced
// modulo a fixed irreducible polynomial of degree n; so 0 and 1 are the
// field's zero and one, and 0 to p - 1 are the prime field.
class GaloisField {
  public:
    // q must be a prime power, at most 64.
    explicit GaloisField(int q);

    int Size() const { return q_; }
    int Characteristic() const { return p_; }
    // n, with q = p^n.
    int Degree() const { return n_; }
    int Add(int a, int b) const { return add_[Index(a, b)]; }
    int Mul(int a, int b) const { return mul_[Index(a, b)]; }
    int Neg(int a) const { return neg_[static_cast<std::size_t>(a)]; }
    // a must not be 0.
    int Inv(int a) const { return inv_[static_cast<std::size_t>(a)]; }
    int Sub(int a, int b) const { return Add(a, Neg(b)); }
    int Div(int a, int b) const { return Mul(a, Inv(b)); }
    bool IsSquare(int a) const { return square_[static_cast<std::size_t>(a)]; }

  private:
    std::size_t Index(int a, int b) const {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(q_) +
               static_cast<std::size_t>(b);
    }

    int q_;
    int p_ = 0;
    int n_ = 0;
    std::vector<int> add_;
    std::vector<int> mul_;
    std::vector<int> neg_;
    std::vector<int> inv_;
    std::vector<bool> square_;
};

// Whether q is a prime power of at most 64 (the fields above).
bool IsFieldOrder(int q);

}  // namespace kulko
