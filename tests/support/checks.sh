# Checks and waits for the test scripts, sourced by them. Every condition prints what it found and a
# failure shows it: on a loaded machine the log is all there is to go on. Programs started by a test
# end in their own time, so a wait polls for its condition up to a deadline instead of sleeping.

failures=0
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# within_limit SECONDS WHAT COMMAND...: runs the command with no input, and stops it and everything
# it started (its process group) once SECONDS have passed, saying so.
within_limit() {
  local limit=$1 what=$2 status
  timeout --kill-after=10 "$limit" "${@:3}" </dev/null
  status=$?
  ((status == 124 || status == 137)) && echo "FAILED: $what was stopped after $limit s; in the step after the last one shown"
  return "$status"
}

# All waits together end by this time (microseconds, as now_us), if a script sets it: a program that
# fails every step still lets the script end with its own summary, as each wait then tries once.
wait_budget_end=
# wait_until DESCRIPTION DEADLINE CONDITION: evaluates CONDITION every tenth of a second until it
# holds, for at most DEADLINE seconds; on time-out, shows the last of what it printed.
wait_until() {
  local what=$1 deadline=$2 condition=$3 seen start end spent=''
  start=$(now_us)
  end=$((start + deadline * 1000000))
  if [[ -n $wait_budget_end ]] && ((end > wait_budget_end)); then
    end=$wait_budget_end
    spent=' (the time for waiting is used up)'
  fi
  until seen=$(eval "$condition" 2>&1); do
    if (($(now_us) >= end)); then
      if ((deadline > 0)); then
        local waited=$((($(now_us) - start) / 100000))
        echo "  waited $((waited / 10)).$((waited % 10)) s of $deadline for $what$spent; last saw:"
      else
        echo "  saw:"
      fi
      sed 's/^/    /' <<<"${seen:-nothing}" | head -c 4000
      return 1
    fi
    sleep 0.1
  done
}

# holds_for DESCRIPTION SPAN CONDITION: CONDITION stays true for SPAN seconds, for what must not happen.
holds_for() {
  local what=$1 span=$2 condition=$3 seen
  local end=$(($(now_us) + span * 1000000))
  while (($(now_us) < end)); do
    if ! seen=$(eval "$condition" 2>&1); then
      echo "  $what stopped holding within $span s; saw:"
      sed 's/^/    /' <<<"${seen:-nothing}" | head -c 4000
      return 1
    fi
    sleep 0.1
  done
}

# report_check DESCRIPTION COMMAND...: "ok" or "FAILED" with what the command printed, counted.
report_check() {
  local report
  if report=$("${@:2}"); then echo "ok: $1"; return 0; fi
  echo "FAILED: $1"
  echo "$report"
  failures=$((failures + 1))
  return 1
}
# check DESCRIPTION CONDITION [DEADLINE]: without a deadline the condition is tried once.
check() { report_check "$1" wait_until "$1" "${3:-0}" "$2"; }
# check_holds DESCRIPTION SPAN CONDITION
check_holds() { report_check "$1" holds_for "$1" "$2" "$3"; }

# file_has GREP-ARGUMENTS... FILE: grep, showing the file when nothing matches.
file_has() {
  grep -q "$@" && return
  echo "${*: -1}: $(head -c 2000 "${*: -1}" 2>&1)"
  return 1
}
# file_there FILE: the file is there and not empty; if not, what its folder holds.
file_there() {
  [[ -s $1 ]] && return
  echo "no $1, or empty; its folder holds: $(ls -A "$(dirname "$1")" 2>&1 | tr '\n' ' ')"
  return 1
}
