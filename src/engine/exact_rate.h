#pragma once

#include "engine/loan.h"

// The exact rate of a loan: the annual rate whose level payment is precisely a given payment, beside the
// stepped rate list of engine/loan.h (which only holds multiples of 0.125 %). Units as in engine/loan.h.
namespace tv {

struct ExactRateResult {
    LoanStatus status = LoanStatus::Ok;
    double annualRatePercent = 0.0;  // r x periodsPerYear x 100
    int periods = 0;                 // installments, as installmentCount gives them
    int iterations = 0;              // Newton or bisection steps taken
};

// The payment per installment at period rate r (a fraction, not percent) over n installments:
// principal x r / (1 - (1 + r)^-n), and principal / n at r = 0. Evaluated through log1p/expm1, so it stays
// accurate for rates near zero.
double exactLevelPayment(double principal, double periodRate, int installments);

// The rate that gives targetPayment (the exact counterpart of rateForPayment): Newton's method on the period
// rate r, kept inside a bracket [lo, hi] that always holds the root; a step that would leave the bracket
// bisects it instead. The bracket starts at [0, targetPayment / principal] (the payment at any rate r is above
// principal x r). The solve stops once a step moves the annual rate by less than 1e-10 percent, so the
// payment at the result equals the target to far below a cent. A target below the 0 % payment
// (principal / installments) is PaymentBelowZeroRate; a payment or amount that is not positive is InvalidInput.
// There is no 25 % cap here: the exact rate of a payment above the list's last entry is still given.
ExactRateResult exactRateForPayment(double principal, double targetPayment, int periodsPerYear, double durationYears);

}  // namespace tv
