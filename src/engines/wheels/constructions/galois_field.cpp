#include "wheels/constructions/galois_field.hpp"

#include <stdexcept>

namespace kulko {
namespace {

bool IsPrime(int n) {
    if (n < 2) {
        return false;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

// The prime p and the degree n with q = p^n; {0, 0} when q is no prime
// power.
std::pair<int, int> PrimePower(int q) {
    for (int p = 2; p <= q; ++p) {
        if (!IsPrime(p)) {
            continue;
        }
        for (int n = 1, power = p; power <= q; ++n, power *= p) {
            if (power == q) {
                return {p, n};
            }
        }
    }
    return {0, 0};
}

// Polynomials over Z_p of degree below n, as their base-p digits.
std::vector<int> Digits(int a, int p, int n) {
    std::vector<int> digits(static_cast<std::size_t>(n));
    for (int& d : digits) {
        d = a % p;
        a /= p;
    }
    return digits;
}

int FromDigits(const std::vector<int>& digits, int p) {
    int a = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        a = a * p + *it;
    }
    return a;
}

// The product of two polynomials of degree below n, reduced modulo the
// monic x^n + c[n-1] x^(n-1) + ... + c[0].
int PolyMul(int a, int b, int p, int n, const std::vector<int>& modulus) {
    const std::vector<int> da = Digits(a, p, n);
    const std::vector<int> db = Digits(b, p, n);
    std::vector<int> product(static_cast<std::size_t>(2 * n), 0);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            product[static_cast<std::size_t>(i + j)] +=
                da[static_cast<std::size_t>(i)] * db[static_cast<std::size_t>(j)];
        }
    }
    // x^n = -(c[n-1] x^(n-1) + ... + c[0]), from the top down.
    for (int k = 2 * n - 1; k >= n; --k) {
        const int top = product[static_cast<std::size_t>(k)] % p;
        product[static_cast<std::size_t>(k)] = 0;
        for (int i = 0; i < n; ++i) {
            product[static_cast<std::size_t>(k - n + i)] +=
                (p - modulus[static_cast<std::size_t>(i)]) * top;
        }
    }
    std::vector<int> reduced(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        reduced[static_cast<std::size_t>(i)] = product[static_cast<std::size_t>(i)] % p;
    }
    return FromDigits(reduced, p);
}

// The first monic polynomial of degree n (in the order of its lower
// coefficients as base-p digits) that is irreducible: one modulo which no
// two nonzero polynomials multiply to zero. Up to degree 3 that is the
// first with no root in Z_p, so the fields of 4 to 27 elements keep the
// elements the kept systems were built on.
std::vector<int> IrreducibleModulus(int p, int n) {
    int count = 1;
    for (int i = 0; i < n; ++i) {
        count *= p;
    }
    for (int c = 0; c < count; ++c) {
        const std::vector<int> coefficients = Digits(c, p, n);
        bool zeroDivisor = false;
        for (int a = 1; a < count && !zeroDivisor; ++a) {
            for (int b = a; b < count && !zeroDivisor; ++b) {
                zeroDivisor = PolyMul(a, b, p, n, coefficients) == 0;
            }
        }
        if (n == 1 || !zeroDivisor) {
            return coefficients;
        }
    }
    throw std::logic_error("no irreducible polynomial");
}

}  // namespace

bool IsFieldOrder(int q) {
    return q <= 64 && PrimePower(q).first != 0;
}

GaloisField::GaloisField(int q) : q_(q) {
    if (!IsFieldOrder(q)) {
        throw std::invalid_argument("no field of order " + std::to_string(q));
    }
    const auto [p, n] = PrimePower(q);
    p_ = p;
    n_ = n;
    const std::vector<int> modulus = IrreducibleModulus(p, n);
    const auto size = static_cast<std::size_t>(q);
    add_.resize(size * size);
    mul_.resize(size * size);
    neg_.resize(size);
    inv_.assign(size, 0);
    square_.assign(size, false);
    for (int a = 0; a < q; ++a) {
        const std::vector<int> da = Digits(a, p, n);
        for (int b = 0; b < q; ++b) {
            const std::vector<int> db = Digits(b, p, n);
            std::vector<int> sum(static_cast<std::size_t>(n));
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] = (da[i] + db[i]) % p;
            }
            add_[Index(a, b)] = FromDigits(sum, p);
            mul_[Index(a, b)] = n == 1 ? a * b % p : PolyMul(a, b, p, n, modulus);
        }
    }
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            if (Add(a, b) == 0) {
                neg_[static_cast<std::size_t>(a)] = b;
            }
            if (Mul(a, b) == 1) {
                inv_[static_cast<std::size_t>(a)] = b;
            }
        }
        square_[static_cast<std::size_t>(Mul(a, a))] = true;
    }
}

}  // namespace kulko
