// The record's reads, for the record window and the teacher's export.

#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

#include "record/record.h"
#include "record/writer.h"

namespace kairo {

namespace {

// Runs a read; false (and no rows) when the record is off or the statement fails.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& bound = {}) {
  query.setForwardOnly(true);
  if (!query.prepare(sql)) return false;
  for (const QVariant& v : bound) query.addBindValue(v);
  return query.exec();
}

QString csvField(const QString& text) {
  static const QRegularExpression special(QStringLiteral("[,\"\r\n]"));
  if (!text.contains(special)) return text;
  return '"' + QString(text).replace('"', QLatin1String("\"\"")) + '"';
}

}  // namespace

QList<Record::CourseSummary> Record::summary() const {
  if (writer_) writer_->flush();
  QList<CourseSummary> result;
  for (const char* course : {"easy", "normal", "hard"})
    result.append({QString::fromLatin1(course)});
  if (!reader_) return result;
  QSqlQuery q(reader_->db());
  if (!run(q, QStringLiteral("SELECT course, count(outcome), sum(outcome = 'passed'), "
                             "sum(outcome = 'helped'), sum(outcome = 'failed'), "
                             "sum(outcome = 'abandoned') FROM problems GROUP BY course "
                             "ORDER BY course")))
    return result;
  while (q.next()) {
    CourseSummary row{q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(),
                      q.value(3).toInt(),    q.value(4).toInt(), q.value(5).toInt()};
    auto known = std::find_if(result.begin(), result.end(),
                              [&](const CourseSummary& s) { return s.course == row.course; });
    if (known != result.end())
      *known = row;
    else
      result.append(row);
  }
  return result;
}

QList<Record::DayCounts> Record::lastDays(int days, QDate today) const {
  if (writer_) writer_->flush();
  QList<DayCounts> result;
  const QDate first = today.addDays(1 - days);
  for (int i = 0; i < days; ++i) result.append({first.addDays(i)});
  if (!reader_ || days <= 0) return result;
  // The date of started_at is the local date where and when the problem began.
  QSqlQuery q(reader_->db());
  if (!run(q,
           QStringLiteral("SELECT substr(started_at, 1, 10), outcome, count(*) FROM problems "
                          "WHERE substr(started_at, 1, 10) BETWEEN ? AND ? "
                          "AND outcome IS NOT NULL GROUP BY 1, 2"),
           {first.toString(Qt::ISODate), today.toString(Qt::ISODate)}))
    return result;
  while (q.next()) {
    const qint64 index = first.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
    if (index < 0 || index >= days) continue;
    DayCounts& day = result[index];
    const QString outcome = q.value(1).toString();
    const int count = q.value(2).toInt();
    if (outcome == QLatin1String("passed")) day.passed += count;
    if (outcome == QLatin1String("helped")) day.helped += count;
    if (outcome == QLatin1String("failed")) day.failed += count;
    if (outcome == QLatin1String("abandoned")) day.abandoned += count;
  }
  return result;
}

QList<Record::WeakSpot> Record::weakSpots(int minimumChecks) const {
  if (writer_) writer_->flush();
  QList<WeakSpot> result;
  if (!reader_) return result;
  QSqlQuery q(reader_->db());
  if (!run(q,
           QStringLiteral("SELECT p.course, c.window, count(*) AS n, sum(c.correct = 0) AS wrong "
                          "FROM checks c JOIN problems p ON p.id = c.problem_id "
                          "GROUP BY p.course, c.window HAVING n >= ? AND wrong > 0 "
                          "ORDER BY CAST(wrong AS REAL) / n DESC, n DESC, p.course, c.window"),
           {minimumChecks}))
    return result;
  while (q.next())
    result.append(
        {q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
  return result;
}

QList<Record::Missed> Record::missed() const {
  if (writer_) writer_->flush();
  QList<Missed> result;
  if (!reader_) return result;
  // Ids grow in the order problems got their rows, also across programs writing at once.
  QSqlQuery q(reader_->db());
  if (!run(q,
           QStringLiteral(
               "SELECT id, started_at, course, code, outcome, misses FROM problems p "
               "WHERE (outcome IN ('failed', 'helped') OR (outcome = 'abandoned' AND misses > 0)) "
               "AND NOT EXISTS (SELECT 1 FROM problems later WHERE later.course = p.course "
               "AND later.code = p.code AND later.id > p.id AND later.outcome = 'passed') "
               "ORDER BY id DESC")))
    return result;
  while (q.next())
    result.append({q.value(0).toLongLong(),
                   QDateTime::fromString(q.value(1).toString(), Qt::ISODate), q.value(2).toString(),
                   q.value(3).toString(), q.value(4).toString(), q.value(5).toInt()});
  return result;
}

bool Record::exportCsv(const QString& file, QString* error) const {
  if (writer_) writer_->flush();
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (!reader_) return fail(offReason());
  QSqlQuery q(reader_->db());
  if (!run(q, QStringLiteral("SELECT started_at, course, code, outcome, misses, seconds "
                             "FROM problems ORDER BY id")))
    return fail(q.lastError().text());
  // Excel opens UTF-8 only with its BOM; lines end in CRLF as RFC 4180 has them.
  QString text = QStringLiteral("\uFEFFstarted,course,code,outcome,misses,seconds\r\n");
  while (q.next()) {
    // The local time as it was where the problem began, without its offset.
    const QString started = q.value(0).toString().left(19).replace('T', ' ');
    const QString seconds =
        q.value(5).isNull() ? QString() : QString::number(q.value(5).toDouble(), 'f', 1);
    const QStringList fields = {started,
                                q.value(1).toString(),
                                q.value(2).toString(),
                                q.value(3).toString(),
                                QString::number(q.value(4).toInt()),
                                seconds};
    QStringList quoted;
    for (const QString& field : fields) quoted << csvField(field);
    text += quoted.join(',') + QStringLiteral("\r\n");
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
    return fail(out.errorString());
  return true;
}

}  // namespace kairo
