// Fits fsrs-rs to the same reviews as lexodrome-dict memory --fit and scores both with fsrs-rs.
// Run beside an install of @open-spaced-repetition/binding@0.5.0:
//   lexodrome-dict memory --json --history H | node fsrs_fit_compare.mjs "$(lexodrome-dict memory --fit --history H | sed -n "s/^parameters: //p")"
import { FSRSBinding, FSRSBindingItem, FSRSBindingReview, computeParameters } from '@open-spaced-repetition/binding';
import fs from 'fs';
const lines = fs.readFileSync(0, 'utf8').trim().split('\n').map(JSON.parse);
const items = [];
for (const word of lines) {
  const reviews = word.reviews.map(([g, t]) => new FSRSBindingReview(g, t));
  for (let i = 1; i < reviews.length; ++i) {
    if (word.reviews[i][1] < 1) continue;
    items.push(new FSRSBindingItem(reviews.slice(0, i + 1)));
  }
}
const ours = process.argv[2].split(' ').map(Number);
let t0 = Date.now();
const theirs = await computeParameters(items, { enableShortTerm: true });
const ms = Date.now() - t0;
const ev = (p) => new FSRSBinding(p).evaluate(items);
const d = ev(undefined), o = ev(ours), t = ev(theirs);
console.log(JSON.stringify({ items: items.length, fsrsrsMs: ms, theirs: theirs.map(x => +x.toFixed(4)).join(' '),
  default: d, ours: o, fsrsrs: t, recovered: (d.logLoss - o.logLoss) / (d.logLoss - t.logLoss) }));
