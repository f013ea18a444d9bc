// The sweep's gallery: the table of runs (sortable by any column, filterable) and a plot of any
// outcome against a varied field, both drawn from the CSV that results.js carries.
'use strict';

(function () {
  const sweep = window.sweep;
  const $ = (id) => document.getElementById(id);

  // RFC 4180 fields: commas, quotes doubled inside quotes, line breaks inside quotes.
  function parseCsv(text) {
    const rows = [];
    let row = [], field = '', quoted = false;
    for (let i = 0; i < text.length; ++i) {
      const c = text[i];
      if (quoted) {
        if (c === '"' && text[i + 1] === '"') { field += '"'; ++i; }
        else if (c === '"') quoted = false;
        else field += c;
      } else if (c === '"') quoted = true;
      else if (c === ',') { row.push(field); field = ''; }
      else if (c === '\n') { row.push(field); rows.push(row); row = []; field = ''; }
      else if (c !== '\r') field += c;
    }
    if (field !== '' || row.length) { row.push(field); rows.push(row); }
    return rows;
  }

  const [header, ...lines] = parseCsv(sweep.csv);
  const runs = lines.map((cells) => Object.fromEntries(header.map((h, i) => [h, cells[i] ?? ''])));
  const linkColumns = ['script', 'thumbnail'];
  const textColumns = ['WorldHash', 'status'];
  const shown = header.filter((h) => !linkColumns.includes(h));

  // A number, or null for an empty cell, a word ("undefined") or a hash.
  const numberOf = (run, column) => {
    if (textColumns.includes(column)) return null;
    const v = run[column];
    if (v === '' || v === undefined) return null;
    const n = Number(v);
    return Number.isFinite(n) ? n : null;
  };
  const numeric = shown.filter((h) => runs.some((r) => numberOf(r, h) !== null) &&
                                      runs.every((r) => numberOf(r, h) !== null || !/^-?[\d.]/.test(r[h])));

  // ---- the table ----
  let sortColumn = 'run', sortUp = true, filtered = runs;

  function compare(a, b) {
    if (numeric.includes(sortColumn)) {
      const x = numberOf(a, sortColumn), y = numberOf(b, sortColumn);
      if (x === null || y === null) return (x === null) - (y === null);  // the words last
      return sortUp ? x - y : y - x;
    }
    const p = String(a[sortColumn]), q = String(b[sortColumn]);
    const order = p < q ? -1 : p > q ? 1 : 0;
    return sortUp ? order : -order;
  }

  // "words" match any cell; NAME<5, NAME>=2, NAME=text, NAME!=text compare one column.
  function matcher(query) {
    const tests = query.trim().split(/\s+/).filter(Boolean).map((term) => {
      const m = term.match(/^([^<>=!]+)(<=|>=|!=|<|>|=)(.*)$/);
      if (m && header.includes(m[1])) {
        const [, column, op, wanted] = m;
        return (run) => {
          const n = numberOf(run, column), w = Number(wanted);
          if (op === '=' ) return run[column] === wanted || (n !== null && n === w);
          if (op === '!=') return !(run[column] === wanted || (n !== null && n === w));
          if (n === null || !Number.isFinite(w)) return false;
          return op === '<' ? n < w : op === '>' ? n > w : op === '<=' ? n <= w : n >= w;
        };
      }
      const word = term.toLowerCase();
      return (run) => shown.some((h) => String(run[h]).toLowerCase().includes(word));
    });
    return (run) => tests.every((t) => t(run));
  }

  function drawHeader() {
    const tr = document.createElement('tr');
    const picture = document.createElement('th');
    picture.textContent = 'picture';
    tr.appendChild(picture);
    for (const h of shown) {
      const th = document.createElement('th');
      th.textContent = h;
      th.scope = 'col';
      th.tabIndex = 0;
      th.title = 'Sort by ' + h;
      if (sweep.varied.includes(h)) th.classList.add('varied');
      if (h === sortColumn) th.setAttribute('aria-sort', sortUp ? 'ascending' : 'descending');
      const sort = () => {
        sortUp = h === sortColumn ? !sortUp : true;
        sortColumn = h;
        drawHeader();
        drawRows();
      };
      th.addEventListener('click', sort);
      th.addEventListener('keydown', (e) => { if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); sort(); } });
      tr.appendChild(th);
    }
    $('runs').tHead.replaceChildren(tr);
  }

  function drawRows() {
    const body = document.createDocumentFragment();
    for (const run of [...filtered].sort(compare)) {
      const tr = document.createElement('tr');
      if (run.status !== '0') tr.classList.add('failed');
      const picture = document.createElement('td');
      if (run.thumbnail) {
        const a = document.createElement('a');
        a.href = run.thumbnail;
        const img = document.createElement('img');
        img.src = run.thumbnail;
        img.alt = 'run ' + run.run;
        img.loading = 'lazy';
        a.appendChild(img);
        picture.appendChild(a);
      }
      tr.appendChild(picture);
      for (const h of shown) {
        const td = document.createElement('td');
        if (h === 'run') {
          const a = document.createElement('a');
          a.href = run.script;
          a.textContent = run.run;
          a.title = 'The run\'s script: it replays on its own (sw4-script --overwrite run.sw4)';
          td.appendChild(a);
        } else if (numeric.includes(h) && numberOf(run, h) !== null && !sweep.varied.includes(h)) {
          td.textContent = String(Number(numberOf(run, h).toPrecision(8)));
          td.title = run[h];
        } else {
          td.textContent = run[h];
        }
        if (numeric.includes(h)) td.classList.add('number');
        tr.appendChild(td);
      }
      body.appendChild(tr);
    }
    $('runs').tBodies[0].replaceChildren(body);
    $('count').textContent = filtered.length + ' of ' + runs.length + ' runs';
  }

  // ---- the plot ----
  let chart = null;

  function fill(select, columns, chosen) {
    select.replaceChildren(...columns.map((c) => new Option(c, c, false, c === chosen)));
  }

  // Where the points cross y = 0, between neighbours in x: the threshold a sweep looks for.
  function zeroCrossing(points) {
    for (let i = 1; i < points.length; ++i) {
      const a = points[i - 1], b = points[i];
      if ((a.y < 0) !== (b.y < 0) && a.x !== b.x) return a.x + (b.x - a.x) * (0 - a.y) / (b.y - a.y);
    }
    return null;
  }

  // The least-squares slope of log y against log x.
  function logSlope(points) {
    const xs = points.map((p) => Math.log(p.x)), ys = points.map((p) => Math.log(p.y));
    const mx = xs.reduce((s, v) => s + v, 0) / xs.length, my = ys.reduce((s, v) => s + v, 0) / ys.length;
    let sxy = 0, sxx = 0;
    xs.forEach((x, i) => { sxy += (x - mx) * (ys[i] - my); sxx += (x - mx) * (x - mx); });
    return sxx > 0 ? sxy / sxx : null;
  }

  function drawPlot() {
    const x = $('x-column').value, y = $('y-column').value;
    const logX = $('log-x').checked, logY = $('log-y').checked;
    const points = filtered
      .map((r) => ({x: numberOf(r, x), y: numberOf(r, y), run: r.run}))
      .filter((p) => p.x !== null && p.y !== null && (!logX || p.x > 0) && (!logY || p.y > 0))
      .sort((a, b) => a.x - b.x);
    let reading = points.length + ' runs plotted';
    if (logX && logY && points.length >= 2) {
      const slope = logSlope(points);
      if (slope !== null) reading += '; slope on log axes ' + slope.toFixed(3);
    } else if (!logY) {
      const zero = zeroCrossing(points);
      if (zero !== null) reading += '; ' + y + ' crosses 0 at ' + x + ' \u2248 ' + zero.toPrecision(4);
    }
    $('reading').textContent = reading;
    if (!window.Chart) return;
    const scale = (log, title) => ({
      type: log ? 'logarithmic' : 'linear',
      title: {display: true, text: title, color: '#ddd'},
      ticks: {color: '#bbb'},
      grid: {color: 'rgba(255,255,255,0.12)'},
    });
    const config = {
      type: 'scatter',
      data: {datasets: [{label: y, data: points, showLine: true, borderColor: '#6ebeff',
                          backgroundColor: '#ffbf80', pointRadius: 4, borderWidth: 1}]},
      options: {
        animation: false,
        maintainAspectRatio: false,
        scales: {x: scale(logX, x), y: scale(logY, y)},
        plugins: {
          legend: {display: false},
          tooltip: {callbacks: {label: (c) => 'run ' + c.raw.run + ': ' + x + ' ' + c.raw.x + ', ' + y + ' ' + c.raw.y}},
        },
      },
    };
    if (chart) chart.destroy();
    chart = new window.Chart($('chart'), config);
  }

  // ---- putting it together ----
  function refilter() {
    filtered = runs.filter(matcher($('filter').value));
    drawRows();
    drawPlot();
  }

  // index.html#x=NAME&y=NAME&logx&logy chooses the plot.
  const asked = new URLSearchParams(location.hash.slice(1));
  const outcomes = numeric.filter((h) => h !== 'run' && !sweep.varied.includes(h));
  // Against a varied field first, or any other number of the runs.
  const xs = [...sweep.varied.filter((h) => numeric.includes(h)), ...outcomes];
  const varies = (h) => new Set(runs.map((r) => r[h])).size > 1;
  const firstX = xs.includes(asked.get('x')) ? asked.get('x') : xs[0] ?? 'run';
  const firstY = outcomes.includes(asked.get('y')) ? asked.get('y')
                                                   : outcomes.find(varies) ?? outcomes[0] ?? 'run';
  fill($('x-column'), xs.length ? xs : ['run'], firstX);
  fill($('y-column'), outcomes.length ? outcomes : ['run'], firstY);
  $('log-x').checked = asked.has('logx');
  $('log-y').checked = asked.has('logy');
  for (const id of ['x-column', 'y-column', 'log-x', 'log-y']) $(id).addEventListener('change', drawPlot);
  $('filter').addEventListener('input', refilter);
  $('no-chart').hidden = Boolean(window.Chart);
  $('title').textContent = 'SW4 sweep: ' + sweep.title;
  document.title = 'SW4 sweep: ' + sweep.title;
  const summary = $('summary');
  summary.append(runs.length + ' runs over ' + (sweep.varied.join(', ') || 'no field') + '. ');
  const csv = document.createElement('a');
  csv.href = 'results.csv';
  csv.textContent = 'results.csv';
  summary.append('Every number: ', csv, '.');
  drawHeader();
  refilter();
})();
