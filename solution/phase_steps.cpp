#include "solution/phase_steps.h"

namespace ovrelan {

PhaseSteps::PhaseSteps(const Rates& rates, double dt, double origin)
    : rates_(rates), dt_(dt), origin_(origin) {
    for (std::size_t j = 0; j < block; ++j) {
        const Phases p = phases_at(rates, static_cast<double>(j) * dt);
        c1_[j] = p.c1;
        s1_[j] = p.s1;
        c2_[j] = p.c2;
        s2_[j] = p.s2;
        e1_[j] = p.e1;
        e2_[j] = p.e2;
        m_[j] = p.m;
    }
}

void PhaseSteps::start(std::size_t k0) {
    base_ = phases_at(rates_, origin_ + static_cast<double>(k0) * dt_);
}

} // namespace ovrelan
