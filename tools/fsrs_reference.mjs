// Prints the memory states fsrs-rs computes for the review sequences the model's test checks.
// Run beside an install of @open-spaced-repetition/binding@0.5.0: node fsrs_reference.mjs
import { FSRSBinding } from '@open-spaced-repetition/binding';

const fsrs = new FSRSBinding();
const sequences = [
  [[1, 0]], [[2, 0]], [[3, 0]], [[4, 0]],
  [[3, 0], [3, 3], [1, 10]],
  [[3, 0], [3, 0], [4, 0], [1, 0]],
  [[2, 0], [3, 1], [3, 400]],
  [[1, 0], [1, 2], [3, 1], [4, 30], [2, 90]],
];
const grades = ['again', 'hard', 'good', 'easy'];
for (const reviews of sequences) {
  let state = null;
  for (const [rating, days] of reviews) {
    state = fsrs.nextStates(state, 0.9, days)[grades[rating - 1]].memory;
  }
  const last = reviews[reviews.length - 1];
  // R seven days on, by the published curve with the default decay: the binding keeps it inside.
  const r7 = Math.pow(1 + (Math.pow(0.9, -1 / 0.1542) - 1) * 7 / state.stability, -0.1542);
  console.log(JSON.stringify({ reviews, stability: state.stability, difficulty: state.difficulty,
                               r7 }));
}
