#include "wheels/constructions/number_group.hpp"

#include <algorithm>
#include <bit>
#include <numeric>
#include <stdexcept>

#include "wheels/constructions/galois_field.hpp"

namespace kulko {

NumberGroup::NumberGroup(int v, std::vector<Permutation> elements, std::string name)
    : v_(v), elements_(std::move(elements)), name_(std::move(name)) {
    inverses_.resize(elements_.size());
    for (std::size_t e = 0; e < elements_.size(); ++e) {
        for (std::size_t p = 0; p < static_cast<std::size_t>(v_); ++p) {
            inverses_[e][elements_[e][p]] = static_cast<std::uint8_t>(p);
        }
    }
}

NumberGroup NumberGroup::Cyclic(int n, int cycles, int fixed, int multiplier) {
    const int v = n * cycles + fixed;
    if (n < 1 || cycles < 1 || fixed < 0 || v > 64 || multiplier < 1 ||
        std::gcd(multiplier, n) != 1) {
        throw std::invalid_argument("cyclic group does not fit");
    }
    // The powers of the multiplier modulo n, 1 first for the identity.
    std::vector<int> factors{1};
    for (int a = multiplier % n; n > 1 && a != 1; a = a * multiplier % n) {
        factors.push_back(a);
    }
    std::vector<Permutation> elements;
    for (const int a : factors) {
        for (int shift = 0; shift < n; ++shift) {
            Permutation p{};
            for (int c = 0; c < cycles; ++c) {
                for (int i = 0; i < n; ++i) {
                    p[static_cast<std::size_t>(c * n + i)] =
                        static_cast<std::uint8_t>(c * n + (a * i + shift) % n);
                }
            }
            for (int f = n * cycles; f < v; ++f) {
                p[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(f);
            }
            elements.push_back(p);
        }
    }
    std::string name = "Z" + std::to_string(n);
    if (factors.size() > 1) {
        name += ":" + std::to_string(multiplier);
    }
    if (cycles > 1) {
        name += "x" + std::to_string(cycles);
    }
    if (fixed > 0) {
        name += "+" + std::to_string(fixed);
    }
    return NumberGroup(v, std::move(elements), std::move(name));
}

NumberGroup NumberGroup::Affine(int q, int multipliers, int fixed, int rows, int automorphisms) {
    const GaloisField field(q);
    const int v = q * rows + fixed;
    const int degree = field.Degree();
    if (multipliers < 1 || (q - 1) % multipliers != 0 || rows < 1 || fixed < 0 || v > 64 ||
        automorphisms < 1 || degree % automorphisms != 0) {
        throw std::invalid_argument("affine group does not fit");
    }
    // The automorphisms x -> x^(p^(k * degree / automorphisms)), as tables.
    std::vector<std::vector<int>> frobenius;
    for (int k = 0; k < automorphisms; ++k) {
        std::vector<int> image(static_cast<std::size_t>(q));
        for (int x = 0; x < q; ++x) {
            int y = x;
            for (int i = 0; i < k * (degree / automorphisms); ++i) {
                int power = 1;  // y^p
                for (int j = 0; j < field.Characteristic(); ++j) {
                    power = field.Mul(power, y);
                }
                y = power;
            }
            image[static_cast<std::size_t>(x)] = y;
        }
        frobenius.push_back(image);
    }
    // The subgroup of order d is the set of (q - 1) / d-th powers.
    std::vector<int> subgroup;
    for (int x = 1; x < q; ++x) {
        int power = 1;
        for (int i = 0; i < (q - 1) / multipliers; ++i) {
            power = field.Mul(power, x);
        }
        if (std::find(subgroup.begin(), subgroup.end(), power) == subgroup.end()) {
            subgroup.push_back(power);
        }
    }
    std::sort(subgroup.begin(), subgroup.end());  // 1 first, for the identity
    std::vector<Permutation> elements;
    for (const int a : subgroup) {
        for (int b = 0; b < q; ++b) {
            for (const std::vector<int>& sigma : frobenius) {
                Permutation p{};
                for (int r = 0; r < rows; ++r) {
                    for (int x = 0; x < q; ++x) {
                        p[static_cast<std::size_t>(r * q + x)] = static_cast<std::uint8_t>(
                            r * q + field.Add(field.Mul(a, sigma[static_cast<std::size_t>(x)]), b));
                    }
                }
                for (int f = q * rows; f < v; ++f) {
                    p[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(f);
                }
                elements.push_back(p);
            }
        }
    }
    std::string name = "AGL(1," + std::to_string(q) + ")";
    if (multipliers != q - 1) {
        name += "/" + std::to_string((q - 1) / multipliers);
    }
    if (automorphisms > 1) {
        name += ":" + std::to_string(automorphisms);
    }
    if (rows > 1) {
        name += "x" + std::to_string(rows);
    }
    if (fixed > 0) {
        name += "+" + std::to_string(fixed);
    }
    return NumberGroup(v, std::move(elements), std::move(name));
}

NumberBits NumberGroup::Image(std::size_t element, NumberBits set) const {
    NumberBits image = 0;
    for (; set != 0; set &= set - 1) {
        image |= Bit(elements_[element][static_cast<std::size_t>(std::countr_zero(set))]);
    }
    return image;
}

Tickets NumberGroup::Orbits(const Tickets& bases) const {
    Tickets tickets;
    for (const NumberBits base : bases) {
        for (std::size_t e = 0; e < elements_.size(); ++e) {
            tickets.push_back(Image(e, base));
        }
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

}  // namespace kulko
